#include "image/CTGAFile.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::ReadFileBytes;
using test::TestContext;

std::vector<int> YuvOf(TestContext& t, CTGAFile& image, const std::string& name)
{
    image.SetOutputMode(OutputKind::YuvOnly);
    EXPECT_TRUE(image.OnSaveDocument(t.dir.File(name + ".tga")));
    const std::string bytes = ReadFileBytes(t.dir.File(name + ".yuv"));
    return std::vector<int>(bytes.begin(), bytes.end());
}

void Row(CTGAFile& image, int y, const Bgr& colour)
{
    image.SetDrawColor(&colour);
    for (int x = 0; x < image.GetWidth(); ++x) image.SetPixel(x, y);
}

std::vector<int> Unsigned(std::vector<int> v)
{
    for (int& b : v) b &= 0xFF;
    return v;
}

TEST(YuvWriter, WhiteFourByTwo)
{
    TestContext t;
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(4, 2));
    image.FillGray(255);
    EXPECT_EQ(Unsigned(YuvOf(t, image, "white")), (std::vector<int>{234, 234, 234, 234, 234, 234, 234, 234, 128, 128, 128, 128}));
}

TEST(YuvWriter, ChromaComesFromTheUpperRowOnly)
{
    TestContext t;
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(2, 2));
    Row(image, 1, Bgr{0, 0, 255});  // upper row red
    Row(image, 0, Bgr{255, 0, 0});  // lower row blue
    EXPECT_EQ(Unsigned(YuvOf(t, image, "rb")), (std::vector<int>{81, 81, 40, 40, 90, 240}));
}

TEST(YuvWriter, PrimaryColoursGiveTheirStudioRangeValues)
{
    struct Case {
        Bgr colour;
        int y, u, v;
    };
    for (const Case& c : {Case{{0, 0, 0}, 16, 128, 128}, Case{{0, 255, 0}, 144, 53, 34}, Case{{255, 0, 0}, 40, 240, 109}}) {
        TestContext t;
        CTGAFile image(t.context);
        ASSERT_TRUE(image.CreateImage(2, 2));
        Row(image, 0, c.colour);
        Row(image, 1, c.colour);
        const auto bytes = Unsigned(YuvOf(t, image, "c"));
        ASSERT_EQ(bytes.size(), 6u);
        EXPECT_EQ(bytes[0], c.y);
        EXPECT_EQ(bytes[4], c.u);
        EXPECT_EQ(bytes[5], c.v);
    }
}

TEST(YuvWriter, OddSizesPadRowsWithTheBackgroundAndDropTheLastColumnOfChroma)
{
    TestContext t;
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(3, 3));
    image.FillGray(0);  // background black too
    Row(image, 2, Bgr{255, 255, 255});
    const auto bytes = Unsigned(YuvOf(t, image, "odd"));
    // Luma: four rows of three; the top row white, the padded fourth row from the background.
    ASSERT_EQ(bytes.size(), 3u * 4 + 2 * 1 * 2);
    EXPECT_EQ((std::vector<int>(bytes.begin(), bytes.begin() + 3)), (std::vector<int>{234, 234, 234}));
    EXPECT_EQ((std::vector<int>(bytes.begin() + 9, bytes.begin() + 12)), (std::vector<int>{16, 16, 16}));
}

TEST(YuvWriter, ASecondSaveOverwrites)
{
    TestContext t;
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(2, 2));
    image.FillGray(0);
    YuvOf(t, image, "again");
    image.FillGray(255);
    EXPECT_EQ(Unsigned(YuvOf(t, image, "again"))[0], 234);
}

TEST(YuvWriter, AFolderThatCannotBeWrittenAsksWithTheYuvName)
{
    TestContext t;
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(2, 2));
    image.SetOutputMode(OutputKind::YuvOnly);
    EXPECT_FALSE(image.OnSaveDocument(t.dir.File("none/f.tga")));
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].text, "Could not open YUV file\n'" + t.dir.File("none/f.yuv") + "'.\nRetry?");
}

}  // namespace
}  // namespace vistagon
