#include "image/CTGAFile.h"
#include "image/GaussTable.h"
#include "image/TgaImage.h"
#include "support/ScriptedInteraction.h"

#include <cmath>
#include <filesystem>
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

namespace vistagon {
namespace {

using test::ReadFileBytes;
using test::TestContext;
using test::WriteFileBytes;

std::string TgaBytes(int width, int height, uint8_t idLength = 0, uint8_t mapType = 0, uint8_t type = 2)
{
    std::string bytes(18, '\0');
    bytes[0] = static_cast<char>(idLength);
    bytes[1] = static_cast<char>(mapType);
    bytes[2] = static_cast<char>(type);
    bytes[12] = static_cast<char>(width & 0xFF);
    bytes[13] = static_cast<char>(width >> 8);
    bytes[14] = static_cast<char>(height & 0xFF);
    bytes[15] = static_cast<char>(height >> 8);
    bytes[16] = 24;
    bytes += std::string(idLength, 'I');
    for (int i = 0; i < width * height; ++i) bytes += std::string{static_cast<char>(i), static_cast<char>(2 * i), 7};
    return bytes;
}

TEST(TgaFileRead, TheImageIdIsSkippedAndTrailingBytesIgnored)
{
    TestContext t;
    const std::string plain = t.dir.File("plain.tga");
    const std::string withId = t.dir.File("id.tga");
    WriteFileBytes(plain, TgaBytes(3, 2));
    WriteFileBytes(withId, TgaBytes(3, 2, 5) + "trailing junk");
    CTGAFile a(t.context), b(t.context);
    ASSERT_TRUE(a.OnOpenDocument(plain));
    ASSERT_TRUE(b.OnOpenDocument(withId));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(a.GetPixel(x, y), b.GetPixel(x, y));
    EXPECT_EQ(a.GetPixel(1, 1), (Bgr{4, 8, 7}));
}

TEST(TgaFileRead, UnsupportedOrShortFilesAskToRetryAndFail)
{
    struct Case {
        const char* name;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"colour-mapped", TgaBytes(2, 2, 0, 1, 2)},
        {"run-length", TgaBytes(2, 2, 0, 0, 10)},
        {"short header", std::string(10, '\0')},
        {"one byte short", TgaBytes(4, 3).substr(0, 18 + 35)},
        {"id field past the end", TgaBytes(2, 2).substr(0, 18) + std::string(5, 'x')},
        {"raster larger than the file", TgaBytes(2, 2).substr(0, 12) + std::string("\xff\xff\xff\xff\x18\x00", 6)},
    };
    for (const Case& c : cases) {
        TestContext t;
        const std::string path = t.dir.File("bad.tga");
        std::string bytes = c.bytes;
        if (std::string(c.name) == "id field past the end") bytes[0] = static_cast<char>(200);
        WriteFileBytes(path, bytes);
        CTGAFile image(t.context);
        EXPECT_FALSE(image.OnOpenDocument(path)) << c.name;
        ASSERT_EQ(t.ui.shown.size(), 1u) << c.name;
        EXPECT_EQ(t.ui.shown[0].text, "Could not read TGA file\n'" + path + "'.\nRetry?") << c.name;
        EXPECT_EQ(image.GetWidth(), 0) << c.name;
    }
}

TEST(TgaFileRead, YesRetriesTheReadAfterTheFileIsMended)
{
    TestContext t;
    const std::string path = t.dir.File("late.tga");
    WriteFileBytes(path, TgaBytes(2, 2).substr(0, 20));
    // The interaction mends the file before answering Yes.
    struct Mending : test::ScriptedInteraction {
        std::string path, good;
        Answer Ask(std::string_view text, QuestionButtons b, MessageIcon i) override
        {
            ScriptedInteraction::Ask(text, b, i);
            WriteFileBytes(path, good);
            return Answer::Yes;
        }
    } ui;
    ui.path = path;
    ui.good = TgaBytes(2, 2);
    AppContext context{ui, Profile(t.dir.File("p.ini"))};
    CTGAFile image(context);
    ASSERT_TRUE(image.OnOpenDocument(path));
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(image.GetPixel(1, 0), (Bgr{1, 2, 7}));
}

TEST(TgaFileRead, AMissingFileAsksWithTheOpenMessage)
{
    TestContext t;
    t.ui.answers = {Answer::Yes, Answer::No};
    CTGAFile image(t.context);
    const std::string path = t.dir.File("missing.tga");
    EXPECT_FALSE(image.OnOpenDocument(path));
    ASSERT_EQ(t.ui.shown.size(), 2u);
    EXPECT_EQ(t.ui.shown[1].text, "Could not open TGA file\n'" + path + "'.\nRetry?");
    EXPECT_EQ(t.ui.shown[1].icon, MessageIcon::Stop);
}

TEST(TgaFileRead, TheOpenedExtensionIsRemembered)
{
    TestContext t;
    const std::string path = t.dir.File("x.Tga");
    WriteFileBytes(path, TgaBytes(1, 1));
    CTGAFile image(t.context);
    ASSERT_TRUE(image.OnOpenDocument(path));
    EXPECT_EQ(t.context.profile.GetString("Recent File Load", "Name", ""), ".Tga");
}

TEST(TgaFileSave, AFailedSaveLeavesTheOldFileAndNoTemporaryFile)
{
    TestContext t;
    const std::string path = t.dir.File("keep.tga");
    WriteFileBytes(path, "old contents");
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(2, 2));
    // A folder that vanished: the target cannot be created.
    EXPECT_FALSE(image.OnSaveDocument(t.dir.File("gone/x.tga")));
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].text, "Could not open TGA file\n'" + t.dir.File("gone/x.tga") + "'.\nRetry?");
    EXPECT_EQ(ReadFileBytes(path), "old contents");
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(t.dir.path())) files += entry.is_regular_file();
    EXPECT_EQ(files, 1u);  // keep.tga only: no leftovers
}

TEST(TgaFileSave, AYuvExtensionInAnyCaseWritesOnlyYuv)
{
    TestContext t;
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(4, 2));
    image.FillGray(255);
    ASSERT_TRUE(image.OnSaveDocument(t.dir.File("f.YUV")));
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("f.YUV")));
    EXPECT_EQ(ReadFileBytes(t.dir.File("f.yuv")).size(), 12u);
}

TEST(TgaFileSave, OutputModesChooseTheFiles)
{
    TestContext t;
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(2, 2));
    EXPECT_EQ(image.SetOutputMode(OutputKind::YuvOnly), OutputKind::TgaOnly);
    ASSERT_TRUE(image.OnSaveDocument(t.dir.File("a.tga")));
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("a.tga")));
    EXPECT_TRUE(std::filesystem::exists(t.dir.File("a.yuv")));
    image.SetOutputMode(OutputKind::TgaAndYuv);
    ASSERT_TRUE(image.OnSaveDocument(t.dir.File("b.tga")));
    EXPECT_EQ(ReadFileBytes(t.dir.File("b.tga")).size(), 18u + 12u);
    EXPECT_EQ(ReadFileBytes(t.dir.File("b.yuv")).size(), 6u);
}

TEST(TgaPixels, OutsideReadsGiveTheBackgroundAndWritesAreDropped)
{
    TestContext t;
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(3, 3));
    EXPECT_EQ(image.GetPixel(-1, 0), (Bgr{255, 255, 255}));
    image.FillGray(0);
    EXPECT_EQ(image.GetPixel(-1, 0), (Bgr{0, 0, 0}));
    EXPECT_EQ(image.GetPixel(3, 0), (Bgr{0, 0, 0}));
    const Bgr red{0, 0, 255};
    image.SetDrawColor(&red);
    image.SetPixel(3, 1);
    image.SetPixel(-1, 1);
    image.SetPixel(1, 1);
    EXPECT_EQ(image.GetPixel(1, 1), red);
    image.FillPacked(0x102030);
    EXPECT_EQ(image.GetPixel(0, 0), (Bgr{0x30, 0x20, 0x10}));
    EXPECT_EQ(image.GetPixel(9, 9), (Bgr{0x30, 0x20, 0x10}));
}

TEST(TgaPixels, ApplyMaskKeepsBrightensDarkensOrCopies)
{
    TestContext t;
    CTGAFile target(t.context), mask(t.context);
    ASSERT_TRUE(target.CreateImage(6, 2));
    ASSERT_TRUE(mask.CreateImage(6, 2));
    target.FillGray(100);
    mask.FillGray(0);
    const Bgr white{255, 255, 255}, gray{128, 128, 128}, blue{200, 10, 10};
    mask.SetDrawColor(&white);
    mask.SetPixel(1, 0);
    mask.SetPixel(4, 1);
    mask.SetDrawColor(&gray);
    mask.SetPixel(2, 0);
    mask.SetPixel(5, 1);
    mask.SetDrawColor(&blue);
    mask.SetPixel(3, 1);
    target.ApplyMask(mask);
    EXPECT_EQ(target.GetPixel(0, 1), (Bgr{100, 100, 100}));  // black: kept
    EXPECT_EQ(target.GetPixel(4, 1), (Bgr{164, 164, 164}));  // white: +64
    EXPECT_EQ(target.GetPixel(5, 1), (Bgr{36, 36, 36}));     // gray: -64
    EXPECT_EQ(target.GetPixel(3, 1), blue);                  // other: copied
}

TEST(TgaPixels, ApplyMaskSaturatesAndEarlierKeysWin)
{
    TestContext t;
    CTGAFile target(t.context), mask(t.context);
    ASSERT_TRUE(target.CreateImage(3, 1));
    ASSERT_TRUE(mask.CreateImage(3, 1));
    target.FillGray(250);
    mask.FillGray(9);  // all three keys equal: the first rule keeps every pixel
    target.ApplyMask(mask);
    EXPECT_EQ(target.GetPixel(2, 0), (Bgr{250, 250, 250}));
    const Bgr other{1, 1, 1};
    mask.SetDrawColor(&other);
    mask.SetPixel(0, 0);  // K0 differs now; K1 = K2 = 9: raise wins
    target.ApplyMask(mask);
    EXPECT_EQ(target.GetPixel(1, 0), (Bgr{255, 255, 255}));
}

TEST(TgaSampling, GaussianIsBackgroundNearTheEdgesAndAWeightedMeanInside)
{
    TestContext t;
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(8, 8));
    image.FillGray(0);  // background black
    const Bgr c{50, 60, 70};
    image.SetDrawColor(&c);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) image.SetPixel(x, y);
    EXPECT_EQ(image.SampleGaussian(0.99, 3), (Bgr{0, 0, 0}));
    EXPECT_EQ(image.SampleGaussian(3, 0.5), (Bgr{0, 0, 0}));
    EXPECT_EQ(image.SampleGaussian(6.0, 3), (Bgr{0, 0, 0}));  // x >= width - 2
    EXPECT_EQ(image.SampleGaussian(3, 6.0), (Bgr{0, 0, 0}));
    // A flat image keeps its value up to the truncation of the normalised sum.
    const Bgr inside = image.SampleGaussian(3.3, 2.7);
    EXPECT_GE(inside.b, 49);
    EXPECT_LE(inside.b, 50);
    EXPECT_GE(inside.r, 69);
    EXPECT_LE(inside.r, 70);
    // A single bright pixel weighs more the nearer the sample point lies.
    const Bgr white{255, 255, 255};
    image.SetDrawColor(&white);
    image.SetPixel(4, 4);
    EXPECT_GT(image.SampleGaussian(4.0, 4.0).b, image.SampleGaussian(4.9, 4.9).b);
}

TEST(TgaSampling, FivePointAveragesTruncatedPositions)
{
    TestContext t;
    CTGAFile image(t.context);
    ASSERT_TRUE(image.CreateImage(4, 4));
    image.FillGray(0);
    const Bgr c{100, 7, 255};
    image.SetDrawColor(&c);
    image.SetPixel(1, 1);
    const std::array<SamplePoint, 5> points = {{{1.9, 1.9}, {1.0, 1.5}, {0.5, 0.5}, {-0.5, 1.0}, {1e300, 0}}};
    // (1,1) twice, (0,0), (0,1) and one far outside (background 0).
    EXPECT_EQ(image.SampleFivePoint(points), (Bgr{40, 2, 102}));
}

TEST(TgaCreate, AnImpossibleSizeSaysSo)
{
    TestContext t;
    CTGAFile image(t.context);
    EXPECT_FALSE(image.CreateImage(70000, 10));
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].text, "Could not create TGA file.");
}

}  // namespace
}  // namespace vistagon

namespace vistagon {
namespace {

TEST(GaussTable, FollowsTheAntialiasingSetting)
{
    test::TestContext t;
    CTGAFile first(t.context);
    EXPECT_DOUBLE_EQ(GaussTable()[0], 1.0);
    EXPECT_DOUBLE_EQ(GaussTable()[10], std::exp(-1.0));
    EXPECT_DOUBLE_EQ(GaussTable()[80], std::exp(-8.0));
    t.context.profile.WriteInt("Settings", "Antialiasing", 20);
    CTGAFile second(t.context);  // every image rebuilds the table
    EXPECT_DOUBLE_EQ(GaussTable()[20], std::exp(-1.0));
    t.context.profile.WriteInt("Settings", "Antialiasing", -3);
    CTGAFile third(t.context);
    EXPECT_DOUBLE_EQ(GaussTable()[1], std::exp(-1.0));
    t.context.profile.WriteInt("Settings", "Antialiasing", 10);
    CTGAFile restored(t.context);
}

}  // namespace
}  // namespace vistagon
