#include "import/binarydem/BinaryHeaderReader.h"
#include "platform/messages/BinaryDemMessages.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vistagon {
namespace {

using test::TestContext;

struct HeaderRead {
    HeaderReadResult result;
    BinaryHeaderInfo info;
    std::vector<std::string> shown;
};

HeaderRead ReadHeaderText(const std::string& text)
{
    TestContext t;
    const std::string path = t.dir.File("h.hdr");
    test::WriteFileBytes(path, text);
    HeaderRead read{HeaderReadResult::NotOpened, {}, {}};
    read.result = ReadBinaryHeader(path, t.ui, read.info);
    read.shown = t.ui.Texts();
    return read;
}

std::string Box(std::initializer_list<const char*> lines)
{
    std::string text = msg::kHeaderErrors.text;
    for (const char* line : lines) text += line;
    return text;
}

const char* const kSrtmStyle =
    "ncols 1201\nnrows 1201\nnbits 16\nbyteorder M\nulxmap -120.0\nulymap 40.0\nxdim 0.000833\nydim 0.000833\n";

TEST(BinaryHeader, WhitespaceStyleHeaderIsAccepted)
{
    const HeaderRead read = ReadHeaderText(kSrtmStyle);
    ASSERT_EQ(read.result, HeaderReadResult::Loaded);
    EXPECT_TRUE(read.shown.empty());
    EXPECT_EQ(read.info.rows, 1201);
    EXPECT_EQ(read.info.cols, 1201);
    EXPECT_EQ(read.info.nbits, 16);
    EXPECT_EQ(read.info.ulX, -120.0);
    EXPECT_EQ(read.info.ulY, 40.0);
    EXPECT_EQ(read.info.xdim, 0.000833);
    EXPECT_TRUE(read.info.IsBigEndian());
    EXPECT_FALSE(read.info.KeepNodataSelectable());
}

TEST(BinaryHeader, ByteOrderWordsAreComparedInLowerCaseAndExactly)
{
    const auto bigEndian = [](const std::string& word) {
        return ReadHeaderText(std::string(kSrtmStyle) + "byte_order " + word + "\n").info.IsBigEndian();
    };
    EXPECT_TRUE(bigEndian("m"));
    EXPECT_TRUE(bigEndian("Motorola"));
    EXPECT_TRUE(bigEndian("MOTOROLA"));
    EXPECT_FALSE(bigEndian("I"));
    EXPECT_FALSE(bigEndian("msbfirst"));
    EXPECT_FALSE(bigEndian("motorola!"));
    // A header with CR LF line ends reads the same word: the CR is not part of it.
    EXPECT_TRUE(ReadHeaderText("ncols 2\r\nbyteorder M\r\n").info.IsBigEndian());
}

TEST(BinaryHeader, ColonStyleDerivesPixelSizeFromCorners)
{
    const HeaderRead read = ReadHeaderText(
        "min. X : 0\nmax. X : 100\nmin. Y : 0\nmax. Y : 50\nrows : 51\ncolumns : 101\ndata type : integer\n");
    ASSERT_EQ(read.result, HeaderReadResult::Loaded);
    EXPECT_EQ(read.info.xdim, 1.0);
    EXPECT_EQ(read.info.ydim, 1.0);
    EXPECT_EQ(read.info.ulX, 0.0);
    EXPECT_EQ(read.info.ulY, 50.0);
    EXPECT_EQ(read.info.lrX, 100.0);
    EXPECT_EQ(read.info.nbits, 16);
}

TEST(BinaryHeader, DatatypeWordsSetTheSampleSize)
{
    const std::string base = "rows 20\ncols 20\nulxmap 0\nulymap 0\nxdim 1\nydim 1\n";
    EXPECT_EQ(ReadHeaderText(base + "datatype real\n").info.nbits, 32);
    EXPECT_EQ(ReadHeaderText(base + "datatype f32\n").info.nbits, 32);
    EXPECT_EQ(ReadHeaderText(base + "DataType I16\n").info.nbits, 16);
    EXPECT_EQ(ReadHeaderText(base + "datatype i8\n").info.nbits, 8);
    const HeaderRead r32 = ReadHeaderText(base + "datatype r32\n");
    EXPECT_EQ(r32.result, HeaderReadResult::Invalid);
    ASSERT_EQ(r32.shown.size(), 1u);
    EXPECT_EQ(r32.shown[0], Box({msg::kHeaderDatatype.text}));
}

TEST(BinaryHeader, KeysMustStandAtTheStartOfTheLine)
{
    const HeaderRead read = ReadHeaderText(std::string(" nrows 5\n") + "ncols 20\nnbits 8\nulxmap 0\nulymap 0\nxdim 1\nydim 1\n");
    EXPECT_EQ(read.result, HeaderReadResult::Invalid);
    ASSERT_EQ(read.shown.size(), 1u);
    EXPECT_EQ(read.shown[0], Box({msg::kHeaderRows.text}));
}

TEST(BinaryHeader, EveryFailedCheckAppearsInOneBoxInOrder)
{
    const HeaderRead read = ReadHeaderText("nbands 2\nnbits 12\n");
    EXPECT_EQ(read.result, HeaderReadResult::Invalid);
    ASSERT_EQ(read.shown.size(), 1u);
    EXPECT_EQ(read.shown[0], Box({msg::kHeaderRows.text, msg::kHeaderCols.text, msg::kHeaderBands.text,
                                  msg::kHeaderDatatype.text, msg::kHeaderUlX.text, msg::kHeaderUlY.text,
                                  msg::kHeaderPixelWidth.text, msg::kHeaderPixelHeight.text}));
}

TEST(BinaryHeader, PixelSizesOfZeroOrLessOrNotANumberAreRefused)
{
    const std::string base = "rows 20\ncols 20\nnbits 8\nulxmap 0\nulymap 0\n";
    EXPECT_EQ(ReadHeaderText(base + "xdim 0\nydim 1\n").shown.at(0), Box({msg::kHeaderPixelWidth.text}));
    EXPECT_EQ(ReadHeaderText(base + "xdim 1\nydim -2\n").shown.at(0), Box({msg::kHeaderPixelHeight.text}));
    // One column: the width derived from the corners divides by zero.
    const HeaderRead single = ReadHeaderText("rows 20\ncols 1\nnbits 8\nulxmap 0\nulymap 0\nydim 1\n");
    EXPECT_FALSE(std::isfinite(single.info.xdim));
    EXPECT_EQ(ReadHeaderText("rows 20\ncols 1\nnbits 8\nydim 1\n").shown.at(0),
              Box({msg::kHeaderUlX.text, msg::kHeaderUlY.text, msg::kHeaderPixelWidth.text}));  // 0 / 0
    EXPECT_EQ(single.shown.at(0), Box({msg::kHeaderPixelWidth.text}));
}

TEST(BinaryHeader, NodataIsRememberedOnlyWhenGiven)
{
    const std::string base = "rows 20\ncols 20\nnbits 16\nulxmap 0\nulymap 0\nxdim 1\nydim 1\n";
    const HeaderRead none = ReadHeaderText(base);
    EXPECT_FALSE(none.info.nodataGiven);
    const HeaderRead minusOne = ReadHeaderText(base + "NODATA_value -1\n");
    EXPECT_TRUE(minusOne.info.nodataGiven);
    EXPECT_EQ(minusOne.info.nodata, -1);
    EXPECT_TRUE(minusOne.info.KeepNodataSelectable());
}

TEST(BinaryHeader, ValuesAreReadAsFarAsTheyGo)
{
    const HeaderRead read = ReadHeaderText(
        "rows 20 rows\ncols +20x\nnbits 8\nulxmap 1.5e3m\nulymap -2.5E-1\nxdim 0x10\nydim 1e\nmap_units Meters\n"
        "layout BIP\n");
    EXPECT_EQ(read.info.rows, 20);
    EXPECT_EQ(read.info.cols, 20);
    EXPECT_EQ(read.info.ulX, 1500.0);
    EXPECT_EQ(read.info.ulY, -0.25);
    EXPECT_EQ(read.info.ydim, 1.0);
    EXPECT_EQ(read.info.mapUnits, "meters");
    EXPECT_EQ(read.info.layout, "bip");
    // "0x10" is read as far as it is decimal: 0, which is no pixel width.
    EXPECT_EQ(read.info.xdim, 0.0);
    EXPECT_EQ(read.result, HeaderReadResult::Invalid);
}

TEST(BinaryHeader, UnopenableFileChangesNothingAndSaysNothing)
{
    TestContext t;
    BinaryHeaderInfo info;
    info.rows = 77;
    EXPECT_EQ(ReadBinaryHeader(t.dir.File("absent.hdr"), t.ui, info), HeaderReadResult::NotOpened);
    EXPECT_EQ(info.rows, 77);
    EXPECT_TRUE(t.ui.shown.empty());
}

// The shared headers come with what another reader reports for them; the upper-left
// pixel centre lies half a pixel inside the raster corner it gives.
TEST(BinaryHeader, SharedHeadersAgreeWithTheirDescription)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    TestContext t;
    const std::string dir = test::SharedDataDir() + "/ehdr/";
    for (const char* name : {"int16_rat.hdr", "float32.hdr", "truncated.hdr"}) {
        BinaryHeaderInfo info;
        ASSERT_EQ(ReadBinaryHeader(dir + name, t.ui, info), HeaderReadResult::Loaded) << name;
        EXPECT_EQ(info.rows, 20);
        EXPECT_EQ(info.cols, 20);
        EXPECT_EQ(info.ulX - info.xdim / 2, 440720.0);
        EXPECT_EQ(info.ulY + info.ydim / 2, 3751320.0);
        EXPECT_FALSE(info.IsBigEndian());
    }
    BinaryHeaderInfo world;
    ASSERT_EQ(ReadBinaryHeader(dir + "wc_10m_CCCMA_A2a_2020_tmin_9.hdr", t.ui, world), HeaderReadResult::Loaded);
    EXPECT_EQ(world.cols, 2160);
    EXPECT_EQ(world.rows, 900);
    EXPECT_EQ(world.nbits, 16);
    EXPECT_TRUE(world.nodataGiven);
    EXPECT_EQ(world.nodata, -9999);
    EXPECT_NEAR(world.ulX - world.xdim / 2, -180.0, 1e-9);
    EXPECT_NEAR(world.ulY + world.ydim / 2, 90.0, 1e-9);
    EXPECT_TRUE(t.ui.shown.empty());

    // Corner-and-cellsize headers name none of the keys read here.
    for (const char* name : {"ehdr10.hdr", "ehdr11.hdr"}) {
        BinaryHeaderInfo info;
        EXPECT_EQ(ReadBinaryHeader(dir + name, t.ui, info), HeaderReadResult::Invalid) << name;
    }
    ASSERT_EQ(t.ui.shown.size(), 2u);
    EXPECT_EQ(t.ui.shown[1].text, Box({msg::kHeaderUlX.text, msg::kHeaderUlY.text, msg::kHeaderPixelWidth.text,
                                        msg::kHeaderPixelHeight.text}));
}

}  // namespace
}  // namespace vistagon
