#include "support/ScriptedInteraction.h"
#include "tools/ResampleJob.h"
#include "tools/ToolTestImages.h"

#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::Picture;
using test::ReadPicture;
using test::TestContext;
using test::WriteElevation;

Picture Resample(TestContext& t, int width, int height, const std::function<int32_t(int, int)>& heights, int factor)
{
    WriteElevation(t.context, t.dir.File("in.tga"), width, height, heights);
    ResampleJob job(t.context, {t.dir.File("in.tga"), t.dir.File("out.tga"), factor - 2});
    EXPECT_TRUE(job.Run());
    return ReadPicture(t.context, t.dir.File("out.tga"));
}

TEST(Resample, BlocksAreSummedNotAveraged)
{
    TestContext t;
    const Picture half = Resample(t, 4, 4, [](int, int) { return 10; }, 2);
    ASSERT_EQ(half.width, 2);
    ASSERT_EQ(half.height, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(half.Height(x, y), 40);

    const Picture quarter = Resample(t, 4, 4, [](int, int) { return 10; }, 4);
    ASSERT_EQ(quarter.width, 1);
    EXPECT_EQ(quarter.Height(0, 0), 160);
}

TEST(Resample, EachBlockLandsOnItsOwnPixel)
{
    TestContext t;
    // 7 x 7 by 3: a 2 x 2 target; the height tells the pixel's block.
    const Picture out = Resample(t, 7, 7, [](int x, int y) { return 1 + (x / 3) + 10 * (y / 3) + (x == 6 || y == 6 ? 5000 : 0); }, 3);
    ASSERT_EQ(out.width, 2);
    ASSERT_EQ(out.height, 2);
    EXPECT_EQ(out.Height(0, 0), 9 * 1);
    EXPECT_EQ(out.Height(1, 0), 9 * 2);
    EXPECT_EQ(out.Height(0, 1), 9 * 11);
    EXPECT_EQ(out.Height(1, 1), 9 * 12);
}

TEST(Resample, PartialBlocksAreDropped)
{
    TestContext t;
    const Picture out = Resample(t, 5, 5, [](int x, int y) { return x == 4 || y == 4 ? 1000 : 1; }, 2);
    ASSERT_EQ(out.width, 2);
    ASSERT_EQ(out.height, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(out.Height(x, y), 4);
}

TEST(Resample, SumsOfUnsignedValuesKeepTheirLowest24Bits)
{
    TestContext t;
    // -1 reads as 0xFFFFFF: (0xFFFFFF + 3 * 2) & 0xFFFFFF = 5.
    const Picture negative = Resample(t, 2, 2, [](int x, int y) { return x == 0 && y == 0 ? -1 : 2; }, 2);
    EXPECT_EQ(negative.Height(0, 0), 5);
    // Four times 0x500000 is 0x1400000, stored as 0x400000.
    const Picture wrapped = Resample(t, 2, 2, [](int, int) { return 0x500000; }, 2);
    EXPECT_EQ(wrapped.Height(0, 0), 0x400000);
}

TEST(Resample, AReductionOutsideTheThreeChoicesIsRefused)
{
    TestContext t;
    WriteElevation(t.context, t.dir.File("in.tga"), 4, 4, [](int, int) { return 1; });
    ResampleJob job(t.context, {t.dir.File("in.tga"), t.dir.File("out.tga"), 3});
    EXPECT_FALSE(job.Run());
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].text, "The reduction has to be 1 : 2, 1 : 3 or 1 : 4.");
}

}  // namespace
}  // namespace vistagon
