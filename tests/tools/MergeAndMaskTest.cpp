#include "support/ScriptedInteraction.h"
#include "tools/MaskJob.h"
#include "tools/MergeJob.h"
#include "tools/ToolTestImages.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::Picture;
using test::ReadPicture;
using test::TestContext;
using test::WriteImage;

Bgr Gray(int v)
{
    return Bgr{static_cast<uint8_t>(v), static_cast<uint8_t>(v), static_cast<uint8_t>(v)};
}

// File 1 holds a1 and a2 in its two pixels, file 2 b1 and b2 (file 2 may be narrower).
struct MergeCase {
    TestContext t;

    Picture Run(std::vector<Bgr> first, std::vector<Bgr> second, double bias1, double bias2, MergeOperation op)
    {
        WriteImage(t.context, t.dir.File("1.tga"), static_cast<int>(first.size()), 1,
                   [&](int x, int) { return first[static_cast<size_t>(x)]; });
        WriteImage(t.context, t.dir.File("2.tga"), static_cast<int>(second.size()), 1,
                   [&](int x, int) { return second[static_cast<size_t>(x)]; });
        MergeJob job(t.context, {t.dir.File("1.tga"), t.dir.File("2.tga"), t.dir.File("out.tga"), bias1, bias2, op});
        ok = job.Run();
        return ok ? ReadPicture(t.context, t.dir.File("out.tga")) : Picture{};
    }
    bool ok = false;
};

TEST(Merge, AddWithHalfBiasesAveragesAndWithFullBiasesSaturates)
{
    MergeCase average;
    Picture out = average.Run({Gray(100), Bgr{255, 0, 7}}, {Gray(50), Bgr{0, 0, 8}}, 0.5, 0.5, MergeOperation::Add);
    ASSERT_TRUE(average.ok);
    EXPECT_EQ(out.At(0, 0), Gray(75));
    EXPECT_EQ(out.At(1, 0), (Bgr{127, 0, 7}));  // 127.5 and 7.5 truncate

    MergeCase bright;
    out = bright.Run({Gray(200), Gray(10)}, {Gray(100), Gray(20)}, 1.0, 1.0, MergeOperation::Add);
    EXPECT_EQ(out.At(0, 0), Gray(255));
    EXPECT_EQ(out.At(1, 0), Gray(30));
}

TEST(Merge, MultiplyScalesTheProductBy255)
{
    MergeCase c;
    const Picture out = c.Run({Bgr{128, 255, 0}, Gray(100)}, {Bgr{128, 255, 200}, Gray(100)}, 0.0, 0.0, MergeOperation::Multiply);
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(out.At(0, 0), (Bgr{64, 255, 0}));  // 64.25, 255, 0
    EXPECT_EQ(out.At(1, 0), Gray(39));           // 39.2

    MergeCase biased;
    const Picture shifted = biased.Run({Gray(10)}, {Gray(20)}, 5.0, -30.0, MergeOperation::Multiply);
    EXPECT_EQ(shifted.At(0, 0), Gray(0));  // (15) * (-10) / 255 is negative
}

TEST(Merge, PositionsOutsideFileTwoReadWhite)
{
    MergeCase c;
    const Picture out = c.Run({Gray(1), Gray(2), Gray(3)}, {Gray(40)}, 0.0, 0.5, MergeOperation::Add);
    ASSERT_EQ(out.width, 3);  // the size of file 1
    EXPECT_EQ(out.At(0, 0), Gray(20));
    EXPECT_EQ(out.At(1, 0), Gray(127));
    EXPECT_EQ(out.At(2, 0), Gray(127));
}

TEST(Merge, BiasesOutsideTheRangeAreRefusedBeforeAnythingIsWritten)
{
    MergeCase tooLarge;
    tooLarge.Run({Gray(1)}, {Gray(1)}, 256.5, 1.0, MergeOperation::Add);
    EXPECT_FALSE(tooLarge.ok);
    EXPECT_FALSE(std::filesystem::exists(tooLarge.t.dir.File("out.tga")));
    ASSERT_EQ(tooLarge.t.ui.shown.size(), 1u);
    EXPECT_EQ(tooLarge.t.ui.shown[0].text, "Bias values have to be between -256 and 256.");

    MergeCase tooSmall;
    tooSmall.Run({Gray(1)}, {Gray(1)}, 1.0, -256.01, MergeOperation::Multiply);
    EXPECT_FALSE(tooSmall.ok);

    MergeCase limits;
    const Picture out = limits.Run({Gray(1)}, {Gray(1)}, -256.0, 256.0, MergeOperation::Add);
    EXPECT_TRUE(limits.ok);
    EXPECT_EQ(out.At(0, 0), Gray(0));
}

TEST(Mask, KeyColoursKeepBrightenAndDarken)
{
    TestContext t;
    // Mask: keys black, white, gray in the first three bottom-row pixels; then the keys and other colours above.
    const std::vector<Bgr> mask{Gray(0), Gray(255), Gray(128), Bgr{1, 2, 3},
                                Gray(255), Gray(128), Gray(0), Bgr{0, 0, 1}};
    const std::vector<Bgr> picture{Bgr{10, 20, 30}, Bgr{10, 200, 250}, Bgr{100, 50, 30}, Bgr{9, 9, 9},
                                   Bgr{0, 191, 192}, Bgr{64, 65, 63}, Bgr{77, 78, 79}, Bgr{5, 5, 5}};
    WriteImage(t.context, t.dir.File("mask.tga"), 4, 2, [&](int x, int y) { return mask[static_cast<size_t>(4 * y + x)]; });
    WriteImage(t.context, t.dir.File("in.tga"), 4, 2, [&](int x, int y) { return picture[static_cast<size_t>(4 * y + x)]; });
    MaskJob job(t.context, {t.dir.File("in.tga"), t.dir.File("out.tga"), t.dir.File("mask.tga")});
    ASSERT_TRUE(job.Run());

    const Picture out = ReadPicture(t.context, t.dir.File("out.tga"));
    EXPECT_EQ(out.At(0, 0), (Bgr{10, 20, 30}));
    EXPECT_EQ(out.At(1, 0), (Bgr{74, 255, 255}));
    EXPECT_EQ(out.At(2, 0), (Bgr{36, 0, 0}));
    EXPECT_EQ(out.At(3, 0), (Bgr{1, 2, 3}));
    EXPECT_EQ(out.At(0, 1), (Bgr{64, 255, 255}));
    EXPECT_EQ(out.At(1, 1), (Bgr{0, 1, 0}));
    EXPECT_EQ(out.At(2, 1), (Bgr{77, 78, 79}));
    EXPECT_EQ(out.At(3, 1), (Bgr{0, 0, 1}));
    EXPECT_TRUE(t.ui.shown.empty());
}

TEST(Mask, ASizeMismatchSaysSoAndWritesNothing)
{
    TestContext t;
    WriteImage(t.context, t.dir.File("mask.tga"), 4, 2, [](int, int) { return Gray(0); });
    WriteImage(t.context, t.dir.File("in.tga"), 4, 3, [](int, int) { return Gray(9); });
    MaskJob job(t.context, {t.dir.File("in.tga"), t.dir.File("out.tga"), t.dir.File("mask.tga")});
    EXPECT_FALSE(job.Run());
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("out.tga")));
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_NE(t.ui.shown[0].text.find("is 4 x 2 pixels"), std::string::npos);
    EXPECT_NE(t.ui.shown[0].text.find("is 4 x 3."), std::string::npos);
}

}  // namespace
}  // namespace vistagon
