#include "support/ScriptedInteraction.h"
#include "tools/ElevationToColorJob.h"
#include "tools/ElevationToGrayJob.h"
#include "tools/GrayToElevationJob.h"
#include "tools/ToolTestImages.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::ReadPicture;
using test::TestContext;
using test::WriteElevation;
using test::WriteImage;

// A palette 256 wide whose top row tells its column; the row below is black so
// that reading the wrong row shows.
void WritePalette(TestContext& t, const std::string& path, int width = 256)
{
    WriteImage(t.context, path, width, 2, [](int x, int y) {
        return y == 1 ? Bgr{static_cast<uint8_t>(x), static_cast<uint8_t>(255 - x), 7} : Bgr{0, 0, 0};
    });
}

uint8_t ColumnOf(const Bgr& c)
{
    return c.b;
}

TEST(ElevationToColor, HeightsPickTheirColumnsBetweenTheLimits)
{
    TestContext t;
    const std::vector<int32_t> heights{4096, 8192, 9000, -1, 0, 31, 32, 8191};
    WritePalette(t, t.dir.File("palette.tga"));
    WriteElevation(t.context, t.dir.File("elev.tga"), static_cast<int>(heights.size()), 1,
                   [&](int x, int) { return heights[static_cast<size_t>(x)]; });
    ElevationToColorJob job(t.context, {t.dir.File("elev.tga"), t.dir.File("color.tga"), t.dir.File("palette.tga")});
    ASSERT_TRUE(job.Run());

    const auto out = ReadPicture(t.context, t.dir.File("color.tga"));
    ASSERT_EQ(out.width, 8);
    EXPECT_EQ(ColumnOf(out.At(0, 0)), 128);  // 4096 * 256 / 8192
    EXPECT_EQ(ColumnOf(out.At(1, 0)), 255);  // the upper limit itself: the last column
    EXPECT_EQ(ColumnOf(out.At(2, 0)), 255);  // above: the high colour
    EXPECT_EQ(ColumnOf(out.At(3, 0)), 0);    // below: the low colour
    EXPECT_EQ(ColumnOf(out.At(4, 0)), 0);
    EXPECT_EQ(ColumnOf(out.At(5, 0)), 0);
    EXPECT_EQ(ColumnOf(out.At(6, 0)), 1);
    EXPECT_EQ(ColumnOf(out.At(7, 0)), 255);
    EXPECT_EQ(out.At(0, 0), (Bgr{128, 127, 7}));
}

TEST(ElevationToColor, NegativeLimitsAndAShortPalette)
{
    TestContext t;
    // Limits -100 ... 100 over a palette 10 wide: 20 height units per column.
    const std::vector<int32_t> heights{-101, -100, -70, -1, 0, 99, 100, 101};
    WritePalette(t, t.dir.File("palette.tga"), 10);
    WriteElevation(t.context, t.dir.File("elev.tga"), static_cast<int>(heights.size()), 1,
                   [&](int x, int) { return heights[static_cast<size_t>(x)]; });
    ElevationToColorJob job(t.context, {t.dir.File("elev.tga"), t.dir.File("color.tga"), t.dir.File("palette.tga"), -100, 100});
    ASSERT_TRUE(job.Run());

    const auto out = ReadPicture(t.context, t.dir.File("color.tga"));
    const std::vector<int> expected{0, 0, 1, 4, 5, 9, 9, 9};
    for (size_t x = 0; x < expected.size(); ++x) EXPECT_EQ(ColumnOf(out.At(static_cast<int>(x), 0)), expected[x]) << x;
}

TEST(ElevationToColor, EqualLimitsAndEmptyPalettesAreRefused)
{
    TestContext t;
    WritePalette(t, t.dir.File("palette.tga"));
    WriteElevation(t.context, t.dir.File("elev.tga"), 2, 2, [](int, int) { return 5; });

    ElevationToColorJob equal(t.context, {t.dir.File("elev.tga"), t.dir.File("a.tga"), t.dir.File("palette.tga"), 5, 5});
    EXPECT_FALSE(equal.Run());
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].text, "The upper and the lower altitude limit must not be equal.");

    // An 18-byte header that declares a palette of width 0.
    test::WriteFileBytes(t.dir.File("empty.tga"),
                         std::string("\x00\x00\x02\x00\x00\x00\x00\x18\x00\x00\x00\x00\x00\x00\x01\x00\x18\x00", 18));
    ElevationToColorJob empty(t.context, {t.dir.File("elev.tga"), t.dir.File("b.tga"), t.dir.File("empty.tga")});
    EXPECT_FALSE(empty.Run());
    ASSERT_EQ(t.ui.shown.size(), 2u);
    EXPECT_EQ(t.ui.shown[1].text, "The palette file '" + t.dir.File("empty.tga") + "' holds no pixels.");
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("a.tga")));
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("b.tga")));
}

TEST(ElevationToGray, ScalesAndReportsTheLargestSaturatedValue)
{
    TestContext t;
    const std::vector<int32_t> heights{1000, 3000, 0, 2559};
    WriteElevation(t.context, t.dir.File("elev.tga"), 4, 1, [&](int x, int) { return heights[static_cast<size_t>(x)]; });
    ElevationToGrayJob job(t.context, {t.dir.File("elev.tga"), t.dir.File("gray.tga"), 0.1});
    ASSERT_TRUE(job.Run());

    const auto out = ReadPicture(t.context, t.dir.File("gray.tga"));
    EXPECT_EQ(out.At(0, 0), (Bgr{100, 100, 100}));
    EXPECT_EQ(out.At(1, 0), (Bgr{255, 255, 255}));
    EXPECT_EQ(out.At(2, 0), (Bgr{0, 0, 0}));
    EXPECT_EQ(out.At(3, 0), (Bgr{255, 255, 255}));  // 255.9 also saturates
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].text, "One or more values are saturated in the output file.\nMaximum elevation: 300.00");
    EXPECT_EQ(t.ui.shown[0].icon, MessageIcon::Information);
}

TEST(ElevationToGray, NegativeHeightsReadUnsignedAndSaturate)
{
    TestContext t;
    WriteElevation(t.context, t.dir.File("elev.tga"), 2, 1, [](int x, int) { return x == 0 ? -1 : 200; });
    ElevationToGrayJob job(t.context, {t.dir.File("elev.tga"), t.dir.File("gray.tga")});
    ASSERT_TRUE(job.Run());

    const auto out = ReadPicture(t.context, t.dir.File("gray.tga"));
    EXPECT_EQ(out.At(0, 0).g, 255);
    EXPECT_EQ(out.At(1, 0).g, 200);
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_NE(t.ui.shown[0].text.find("16777215.00"), std::string::npos);
}

TEST(ElevationToGray, NoNoticeWithoutSaturationAndNoWrapForNegativeScale)
{
    TestContext t;
    WriteElevation(t.context, t.dir.File("elev.tga"), 2, 1, [](int x, int) { return x == 0 ? 254 : 10; });
    ElevationToGrayJob plain(t.context, {t.dir.File("elev.tga"), t.dir.File("gray.tga")});
    ASSERT_TRUE(plain.Run());
    EXPECT_TRUE(t.ui.shown.empty());
    EXPECT_EQ(ReadPicture(t.context, t.dir.File("gray.tga")).At(0, 0).r, 254);

    ElevationToGrayJob negative(t.context, {t.dir.File("elev.tga"), t.dir.File("neg.tga"), -0.5});
    ASSERT_TRUE(negative.Run());
    EXPECT_EQ(ReadPicture(t.context, t.dir.File("neg.tga")).At(1, 0), (Bgr{0, 0, 0}));
}

TEST(GrayToElevation, HeightIsTheSumOfTheChannels)
{
    TestContext t;
    const std::vector<Bgr> colors{{200, 200, 200}, {10, 20, 30}, {255, 255, 255}, {0, 0, 0}};
    WriteImage(t.context, t.dir.File("gray.tga"), 2, 2, [&](int x, int y) { return colors[static_cast<size_t>(2 * y + x)]; });
    GrayToElevationJob job(t.context, {t.dir.File("gray.tga"), t.dir.File("elev.tga")});
    ASSERT_TRUE(job.Run());

    const auto out = ReadPicture(t.context, t.dir.File("elev.tga"));
    EXPECT_EQ(out.Height(0, 0), 600);
    EXPECT_EQ(out.Height(1, 0), 60);
    EXPECT_EQ(out.Height(0, 1), 765);
    EXPECT_EQ(out.Height(1, 1), 0);
}

}  // namespace
}  // namespace vistagon
