#include "image/ElevationEncoding.h"
#include "platform/TextFormat.h"
#include "platform/messages/UsgsDemMessages.h"
#include "support/CliRunner.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::ReadFileBytes;
using test::RunCli;

struct Tga {
    std::string bytes;
    int width() const { return static_cast<uint8_t>(bytes[12]) | static_cast<uint8_t>(bytes[13]) << 8; }
    int height() const { return static_cast<uint8_t>(bytes[14]) | static_cast<uint8_t>(bytes[15]) << 8; }
    int32_t At(int x, int y) const
    {
        return DecodeElevation(reinterpret_cast<const uint8_t*>(bytes.data()) + 18 + 3 * (x + y * width()));
    }
    bool ColumnIsZero(int x) const
    {
        for (int y = 0; y < height(); ++y)
            if (At(x, y) != 0) return false;
        return true;
    }
};

class UsgsCli : public ::testing::Test {
protected:
    std::string Dem(const char* name) const { return test::SharedDataDir() + "/usgsdem/" + name; }
    test::CliResult Import(std::vector<std::string> words)
    {
        words.insert(words.begin(), {"--profile", dir.File("p.ini"), "import", "usgs", target});
        return RunCli(words);
    }
    Tga Output() const { return Tga{ReadFileBytes(target)}; }

    test::TempDir dir;
    std::string target = dir.File("out.tga");
};

TEST_F(UsgsCli, UtmFileWithLineBreaksAndFortranReals)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    const std::string path = Dem("39109h1_truncated.dem");
    const auto result = Import({path});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.rfind("DEM Data from File " + path + "\nFile name:\t39109h1_grd", 0), 0u);
    EXPECT_NE(result.out.find("\nCorner #0:\t660060.0000 m, 4415360.0000 m\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nDEM spatial resolution (x, y, z):\t10.00, 10.00, 0.07\n"), std::string::npos);
    const Tga tga = Output();
    // 10980 m x 14100 m at 10 m; the northernmost sample of each profile is dropped.
    ASSERT_EQ(tga.width(), 1098);
    ASSERT_EQ(tga.height(), 1410);
    // The first profile holds 1381 voids and then 2634 (file units, no z resolution).
    EXPECT_EQ(tga.At(0, 1380), -32767);
    EXPECT_EQ(tga.At(0, 1381), 2634);
    EXPECT_NE(tga.At(1, 1381), 0);
    EXPECT_TRUE(tga.ColumnIsZero(2));
    // Without --no-check the jump is printed and checking goes on.
    EXPECT_NE(result.err.find(FormatText(msg::kDemSuspiciousValue.text, -32767L, 2634L, 0, 28)), std::string::npos);
    EXPECT_NE(result.err.find("[answered Yes"), std::string::npos);

    // --no-check never asks, not even once, and writes the same heights.
    const auto unchecked = Import({"--no-check", path});
    ASSERT_EQ(unchecked.status, 0) << unchecked.err;
    EXPECT_EQ(unchecked.err.find("Suspicious elevation value"), std::string::npos) << unchecked.err;
    EXPECT_EQ(Output().At(0, 1381), 2634);
}

TEST_F(UsgsCli, ArcSecondFileWithVoids)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    const auto kept = Import({Dem("114p01_0100_deme_truncated.dem")});
    ASSERT_EQ(kept.status, 0) << kept.err;
    EXPECT_NE(kept.out.find("\nCorner #1:\t-136°15'00'', 59°15'00''\n"), std::string::npos);
    Tga tga = Output();
    ASSERT_EQ(tga.width(), 1200);  // 15' at 0.75"
    ASSERT_EQ(tga.height(), 1200);
    EXPECT_EQ(tga.At(0, 0), -32767);
    EXPECT_EQ(tga.At(0, 1199), -32767);

    const auto replaced = Import({"--void", "-32767", Dem("114p01_0100_deme_truncated.dem")});
    ASSERT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_TRUE(Output().ColumnIsZero(0));
    EXPECT_NE(replaced.err.find(FormatText(msg::kDemPositiveCount.text, 0L)), std::string::npos);
}

TEST_F(UsgsCli, FixedRecordFilesWithoutLineBreaks)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    const auto extra = Import({"--no-check", Dem("usgsdem_with_extra_values_at_end_of_profile.dem")});
    ASSERT_EQ(extra.status, 0) << extra.err;
    Tga tga = Output();
    ASSERT_EQ(tga.width(), 369);
    ASSERT_EQ(tga.height(), 465);
    // Profile 1 starts at y = 19530, row 455, with the elevations 0 1 2 0 -1.
    EXPECT_EQ(tga.At(0, 456), 1);
    EXPECT_EQ(tga.At(0, 457), 2);
    EXPECT_EQ(tga.At(0, 459), -1);
    // The profile beyond the declared three is not read.
    EXPECT_FALSE(tga.ColumnIsZero(2));
    EXPECT_TRUE(tga.ColumnIsZero(3));
    EXPECT_EQ(extra.err.find("Suspicious"), std::string::npos);

    const auto blank = Import({Dem("usgsdem_with_spaces_after_byte_864.dem")});
    ASSERT_EQ(blank.status, 0) << blank.err;
    EXPECT_NE(blank.out.find("\nData edition code:\t1\n"), std::string::npos);
    EXPECT_EQ(Output().At(0, 456), 1);

    // Corners off the grid: both profiles truncate to column 0, the second overwriting.
    const auto quad = Import({"--no-check", Dem("39079G6_truncated.dem")});
    ASSERT_EQ(quad.status, 0) << quad.err;
    tga = Output();
    EXPECT_EQ(tga.width(), 363);
    EXPECT_EQ(tga.height(), 467);
    EXPECT_FALSE(tga.ColumnIsZero(0));
    EXPECT_TRUE(tga.ColumnIsZero(1));
}

TEST_F(UsgsCli, TruncatedFileIsNamedAndMergesWithOthers)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    const std::string cut = Dem("fema06-140cm_2995441b_truncated.dem");
    const auto single = Import({cut});
    ASSERT_EQ(single.status, 0) << single.err;
    EXPECT_NE(single.err.find(FormatText(msg::kDemTruncated.text, cut.c_str(), 1)), std::string::npos);
    EXPECT_EQ(Output().width(), 2127);  // 2979.2 / 1.4 lands just below 2128
    EXPECT_EQ(Output().height(), 2795);

    // Two files: both headers are shown, in order.
    const auto two = Import({Dem("usgsdem_with_spaces_after_byte_864.dem"), Dem("usgsdem_with_extra_values_at_end_of_profile.dem"),
                             "--no-check"});
    ASSERT_EQ(two.status, 0) << two.err;
    const size_t first = two.out.find("DEM Data from File " + Dem("usgsdem_with_spaces_after_byte_864.dem"));
    const size_t second = two.out.find("DEM Data from File " + Dem("usgsdem_with_extra_values_at_end_of_profile.dem"));
    EXPECT_LT(first, second);
    EXPECT_NE(second, std::string::npos);
}

TEST_F(UsgsCli, FailuresAndUsage)
{
    const auto absent = Import({dir.File("none.dem")});
    EXPECT_EQ(absent.status, 1);
    EXPECT_NE(absent.err.find("Cannot open file '" + dir.File("none.dem") + "'."), std::string::npos);
    EXPECT_EQ(RunCli({"import", "usgs", target}).status, 2);
    EXPECT_EQ(RunCli({"import", "usgs", target, "a.dem", "--void", "x"}).status, 2);
}

}  // namespace
}  // namespace vistagon
