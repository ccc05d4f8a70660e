#include "image/CTGAFile.h"
#include "image/ElevationEncoding.h"
#include "support/CliRunner.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace vistagon {
namespace {

using test::ReadFileBytes;
using test::RunCli;
using test::TestContext;
using test::WriteFileBytes;

int32_t HeightAt(AppContext& context, const std::string& path, int x, int y)
{
    CTGAFile image(context);
    if (!image.OnOpenDocument(path)) return INT32_MIN;
    const int32_t h = DecodeElevation(image.GetPixel(x, y));
    image.OnCloseDocument();
    return h;
}

// A picture of the given size with blue 3 everywhere but at the marked pixels.
void WriteMarkedPicture(AppContext& context, const std::string& path, int size, const std::vector<std::pair<int, int>>& marks)
{
    CTGAFile image(context);
    ASSERT_TRUE(image.CreateImage(size, size));
    const Bgr plain{3, 0, 0}, mark{0, 10, 0};
    image.SetDrawColor(&plain);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) image.SetPixel(x, y);
    image.SetDrawColor(&mark);
    for (const auto& [x, y] : marks) image.SetPixel(x, y);
    ASSERT_TRUE(image.OnSaveDocument(path));
}

// The last line of the output, after the progress lines.
std::string LastLine(const std::string& text)
{
    const size_t end = text.empty() || text.back() != '\n' ? text.size() : text.size() - 1;
    const size_t start = text.rfind('\n', end == 0 ? 0 : end - 1);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1));
}

class IrregularCli : public testing::Test {
protected:
    std::vector<std::string> Command(std::initializer_list<std::string> words) const
    {
        std::vector<std::string> all = {"--profile", t.dir.File("p.ini"), "import"};
        all.insert(all.end(), words);
        return all;
    }

    TestContext t;
};

TEST_F(IrregularCli, AsciiBoundsComeFromTheScanUnlessGiven)
{
    WriteFileBytes(t.dir.File("p.txt"), "-10 -10 1\n10 -10 2\n-10 10 3\n10 10 4\n");
    auto r = RunCli(Command({"ascii-irregular", t.dir.File("p.txt"), t.dir.File("a.tga"), "--width", "20", "--height",
                             "20", "--zscale", "-2"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.find("Line"), std::string::npos) << r.err;
    // The scan's bounds map (x, y) to (x + 10, y + 10): the heights lie on z = -2 (1 + x / 20 + y / 10).
    EXPECT_NEAR(HeightAt(t.context, t.dir.File("a.tga"), 1, 1), -2.3, 1);
    EXPECT_NEAR(HeightAt(t.context, t.dir.File("a.tga"), 15, 15), -6.5, 1);

    // Given bounds (negative values too) replace the scan: the points now fill the lower left quarter.
    r = RunCli(Command({"ascii-irregular", t.dir.File("p.txt"), t.dir.File("b.tga"), "--width", "20", "--height", "20",
                        "--min-x", "-10", "--max-x", "30", "--min-y", "-10", "--max-y", "30"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NEAR(HeightAt(t.context, t.dir.File("b.tga"), 1, 1), 256 * 1.3, 1);
    EXPECT_NEAR(HeightAt(t.context, t.dir.File("b.tga"), 9, 9), 256 * 3.7, 2);
    EXPECT_EQ(HeightAt(t.context, t.dir.File("b.tga"), 15, 15), 0);
}

TEST_F(IrregularCli, AsciiListsItsResultsOneALineAndFailsWithoutPoints)
{
    WriteFileBytes(t.dir.File("p.txt"), "header\n7\n\n");
    const auto r = RunCli(Command({"ascii-irregular", t.dir.File("p.txt"), t.dir.File("a.tga"), "--skip", "1"}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Line 1: only one item found.\nLine 2: no item found.\nNot a single valid line encountered.\n");
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("a.tga")));
}

TEST_F(IrregularCli, AsciiWritesYuvForAYuvTarget)
{
    WriteFileBytes(t.dir.File("p.txt"), "0 0 1\n8 0 2\n0 8 3\n8 8 4\n");
    const auto r = RunCli(Command({"ascii-irregular", t.dir.File("p.txt"), t.dir.File("a.yuv"), "--width", "8",
                                   "--height", "8"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(t.dir.File("a.yuv")).size(), 8u * 8u * 3u / 2u);
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("a.tga")));
}

TEST_F(IrregularCli, AsciiReportsTheExceededStorageAndWritesNothing)
{
    std::string text;
    for (int i = 0; i < 350; ++i) {
        const double a = i * 6.283185307179586 / 350;
        text += std::to_string(50 + 40 * std::cos(a)) + " " + std::to_string(50 + 40 * std::sin(a)) + " 1\n";
    }
    WriteFileBytes(t.dir.File("ring.txt"), text + "50 50 9\n");
    const auto r = RunCli(Command({"ascii-irregular", t.dir.File("ring.txt"), t.dir.File("a.tga")}));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("nnsort: Temporary storage exceeded - increase TSIZE\n"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("a.tga")));
}

TEST_F(IrregularCli, TgaEstimateAndBlueZeroPreparation)
{
    WriteMarkedPicture(t.context, t.dir.File("in.tga"), 6, {{0, 0}, {5, 0}, {0, 5}});
    auto r = RunCli(Command({"tga-irregular", t.dir.File("in.tga"), t.dir.File("a.tga"), "--estimate", "3"}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(LastLine(r.err), "Number of nodal points exceeded.");
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("a.tga")));

    r = RunCli(Command({"tga-irregular", t.dir.File("in.tga"), t.dir.File("a.tga"), "--zscale", "-1"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(HeightAt(t.context, t.dir.File("a.tga"), 1, 1), -10);

    r = RunCli({"--profile", t.dir.File("p.ini"), "tool", "blue-zero", t.dir.File("in.tga"), t.dir.File("b.tga")});
    ASSERT_EQ(r.status, 0) << r.err;
    r = RunCli(Command({"tga-irregular", t.dir.File("b.tga"), t.dir.File("c.tga")}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(LastLine(r.err), "Not a single valid nodal point encountered.");
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("c.tga")));
}

TEST_F(IrregularCli, WithoutAnEstimateEveryPointIsGridded)
{
    // 1200 points, more than the dialog's estimate of 1000, jittered off a lattice.
    std::string text;
    uint32_t state = 12345;
    const auto jitter = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<double>((state >> 16) % 1000) / 1000.0;
    };
    for (int i = 0; i < 1200; ++i)
        text += std::to_string(i % 40 * 2.5 + jitter()) + " " + std::to_string(i / 40 * 2.5 + jitter()) + " 5\n";
    WriteFileBytes(t.dir.File("many.txt"), text);
    auto r = RunCli(Command({"ascii-irregular", t.dir.File("many.txt"), t.dir.File("a.tga"), "--width", "50", "--height", "30"}));
    ASSERT_EQ(r.status, 0) << LastLine(r.err);
    EXPECT_EQ(r.err.find("Number of nodal points exceeded."), std::string::npos) << r.err;
    EXPECT_EQ(HeightAt(t.context, t.dir.File("a.tga"), 25, 15), 5 * 256);
    // An explicit estimate keeps the dialog's rule: the lines after it are left out.
    r = RunCli(Command({"ascii-irregular", t.dir.File("many.txt"), t.dir.File("b.tga"), "--estimate", "1000"}));
    EXPECT_NE(r.err.find("Number of nodal points exceeded."), std::string::npos) << r.err;

    std::vector<std::pair<int, int>> marks;
    for (int i = 0; i < 1100; ++i) marks.emplace_back(i % 40, i / 40);
    WriteMarkedPicture(t.context, t.dir.File("marks.tga"), 40, marks);
    r = RunCli(Command({"tga-irregular", t.dir.File("marks.tga"), t.dir.File("c.tga")}));
    ASSERT_EQ(r.status, 0) << LastLine(r.err);
    EXPECT_EQ(HeightAt(t.context, t.dir.File("c.tga"), 20, 10), 10 * 256);
    r = RunCli(Command({"tga-irregular", t.dir.File("marks.tga"), t.dir.File("d.tga"), "--estimate", "1000"}));
    EXPECT_EQ(r.status, 1);
}

TEST_F(IrregularCli, UsageErrorsAndMissingFiles)
{
    EXPECT_EQ(RunCli(Command({"ascii-irregular", t.dir.File("p.txt")})).status, 2);
    EXPECT_EQ(RunCli(Command({"ascii-irregular", "a", "b", "--estimate"})).status, 2);
    EXPECT_EQ(RunCli(Command({"tga-irregular", "a", "b", "--width", "4"})).status, 2);
    EXPECT_EQ(RunCli({"--profile", t.dir.File("p.ini"), "tool", "blue-zero", "a"}).status, 2);
    EXPECT_EQ(RunCli(Command({"ascii-irregular", t.dir.File("none.txt"), t.dir.File("a.tga")})).status, 1);
    EXPECT_EQ(RunCli(Command({"tga-irregular", t.dir.File("none.tga"), t.dir.File("a.tga")})).status, 1);
    EXPECT_EQ(RunCli({"--profile", t.dir.File("p.ini"), "tool", "blue-zero", t.dir.File("none.tga"), t.dir.File("b.tga")}).status, 1);
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("a.tga")));
}

}  // namespace
}  // namespace vistagon
