#include "image/CTGAFile.h"
#include "image/TgaImage.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::ReadFileBytes;
using test::TestContext;
using test::WriteFileBytes;

// A small image with a distinct colour in every pixel.
void Paint(CTGAFile& image)
{
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            const Bgr c{static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>(x * 7 + y)};
            image.SetDrawColor(&c);
            image.SetPixel(x, y);
        }
    }
    image.SetDrawColor(&image.background());
}

TEST(TgaFile, WrittenHeaderAndRowsAreExact)
{
    TestContext t;
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(5, 3));
    Paint(image);
    const std::string path = t.dir.File("a.tga");
    ASSERT_TRUE(image.OnSaveDocument(path));

    const std::string bytes = ReadFileBytes(path);
    const std::string header("\x00\x00\x02\x00\x00\x00\x00\x18\x00\x00\x00\x00\x05\x00\x03\x00\x18\x00", 18);
    ASSERT_EQ(bytes.size(), 18u + 3 * 5 * 3);
    EXPECT_EQ(bytes.substr(0, 18), header);
    // First file row is the bottom row; pixel (1, 0) follows pixel (0, 0).
    EXPECT_EQ(static_cast<uint8_t>(bytes[18 + 3]), 1);
    EXPECT_EQ(static_cast<uint8_t>(bytes[18 + 5]), 7);
    // Row 2 starts after two unpadded rows.
    EXPECT_EQ(static_cast<uint8_t>(bytes[18 + 2 * 15 + 1]), 2);
}

TEST(TgaFile, RoundTripGivesTheSameRaster)
{
    TestContext t;
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(7, 4));
    Paint(image);
    const std::string path = t.dir.File("b.tga");
    ASSERT_TRUE(image.OnSaveDocument(path));

    CTGAFile back(t.context);
    ASSERT_TRUE(back.OnOpenDocument(path));
    ASSERT_EQ(back.GetWidth(), 7);
    ASSERT_EQ(back.GetHeight(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(back.GetPixel(x, y), image.GetPixel(x, y)) << x << "," << y;
    EXPECT_TRUE(t.ui.shown.empty());
}

TEST(TgaFile, StrideRoundsRowsToFourBytes)
{
    EXPECT_EQ(TgaImage::StrideFor(1), 4u);
    EXPECT_EQ(TgaImage::StrideFor(4), 12u);
    EXPECT_EQ(TgaImage::StrideFor(5), 16u);
}

}  // namespace
}  // namespace vistagon
