#include "image/ElevationEncoding.h"
#include "import/binarydem/BinaryDemJob.h"
#include "platform/TextFormat.h"
#include "platform/messages/BinaryDemMessages.h"
#include "platform/messages/CommonMessages.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace vistagon {
namespace {

using test::ReadFileBytes;
using test::TestContext;
using test::WriteFileBytes;

// A raster of rows x cols with pixel size 1 whose upper-left pixel centre is (0, 0).
BinaryHeaderInfo Header(int rows, int cols, int nbits, const char* byteOrder = "i")
{
    BinaryHeaderInfo header;
    header.rows = rows;
    header.cols = cols;
    header.nbits = nbits;
    header.byteOrder = byteOrder;
    header.ulX = 0.0;
    header.ulY = 0.0;
    header.xdim = 1.0;
    header.ydim = 1.0;
    return header;
}

std::string Samples16(const std::vector<int16_t>& values, bool bigEndian)
{
    std::string bytes;
    for (int16_t v : values) {
        const auto u = static_cast<uint16_t>(v);
        const char lo = static_cast<char>(u & 0xFF), hi = static_cast<char>(u >> 8);
        bytes += bigEndian ? hi : lo;
        bytes += bigEndian ? lo : hi;
    }
    return bytes;
}

std::string SamplesFloat(const std::vector<float>& values)
{
    std::string bytes(values.size() * 4, '\0');
    std::memcpy(bytes.data(), values.data(), bytes.size());  // little-endian host
    return bytes;
}

struct Conversion {
    TestContext t;
    BinaryHeaderInfo header;
    BinaryDemOptions options;

    Conversion(const BinaryHeaderInfo& h, const std::string& data) : header(h)
    {
        options.sourcePath = t.dir.File("in.bin");
        options.targetPath = t.dir.File("out.tga");
        options.zScale = 1.0;
        options.TakeHeaderGeometry(header);
        WriteFileBytes(options.sourcePath, data);
    }
    bool Run()
    {
        BinaryDemJob job(t.context, header, options);
        const bool ok = job.Run();
        cancelled = job.WasCancelled();
        return ok;
    }
    std::string Output() const { return ReadFileBytes(options.targetPath); }
    int Width() const { return static_cast<uint8_t>(Output()[12]) | static_cast<uint8_t>(Output()[13]) << 8; }
    int32_t Height(int x, int y) const
    {
        const std::string bytes = Output();
        return DecodeElevation(reinterpret_cast<const uint8_t*>(bytes.data()) + 18 + 3 * (x + y * Width()));
    }
    bool cancelled = false;
};

TEST(BinaryDemJob, BigEndianRowsAreWrittenBottomRowFirst)
{
    // File rows top to bottom: 1 2 3 / 4 5 6.
    Conversion c(Header(2, 3, 16, "m"), Samples16({1, 2, 3, 4, 5, -300}, true));
    c.options.zScale = 2.0;
    ASSERT_TRUE(c.Run());
    const std::string bytes = c.Output();
    ASSERT_EQ(bytes.size(), 18u + 2 * 3 * 3);
    EXPECT_EQ(bytes.substr(0, 18), std::string("\x00\x00\x02\x00\x00\x00\x00\x18\x00\x00\x00\x00\x03\x00\x02\x00\x18\x00", 18));
    EXPECT_EQ(c.Height(0, 0), 8);
    EXPECT_EQ(c.Height(2, 0), -600);
    EXPECT_EQ(c.Height(1, 1), 4);
    ASSERT_EQ(c.t.ui.shown.size(), 1u);
    EXPECT_EQ(c.t.ui.shown[0].text, FormatText(msg::kElevationRange.text, -600.0, 10.0));
    EXPECT_EQ(c.t.ui.shown[0].icon, MessageIcon::Information);
}

TEST(BinaryDemJob, ByteOrderOtherThanMotorolaIsLittleEndian)
{
    Conversion c(Header(1, 2, 16, "msbfirst"), Samples16({0x0102, -2}, false));
    ASSERT_TRUE(c.Run());
    EXPECT_EQ(c.Height(0, 0), 0x0102);
    EXPECT_EQ(c.Height(1, 0), -2);
}

TEST(BinaryDemJob, HeightsRoundToNearestOnBothSides)
{
    Conversion c(Header(1, 6, 32), SamplesFloat({2.5f, -2.5f, -0.4f, -0.6f, 1.49f, -9999.0f}));
    ASSERT_TRUE(c.Run());
    EXPECT_EQ(c.Height(0, 0), 3);
    EXPECT_EQ(c.Height(1, 0), -2);
    EXPECT_EQ(c.Height(2, 0), 0);
    EXPECT_EQ(c.Height(3, 0), -1);
    EXPECT_EQ(c.Height(4, 0), 1);
    EXPECT_EQ(c.Height(5, 0), -9999);
}

TEST(BinaryDemJob, HeightsSaturateAtTwentyFourBits)
{
    Conversion fits(Header(1, 2, 16), Samples16({32767, -32768}, false));
    fits.options.zScale = 256.0;
    ASSERT_TRUE(fits.Run());
    EXPECT_EQ(fits.Height(0, 0), 32767 * 256);
    EXPECT_EQ(fits.Height(1, 0), -32768 * 256);

    Conversion clamped(Header(1, 2, 16), Samples16({32767, -32768}, false));
    clamped.options.zScale = 300.0;
    ASSERT_TRUE(clamped.Run());
    EXPECT_EQ(clamped.Height(0, 0), 8388607);
    EXPECT_EQ(clamped.Height(1, 0), -8388608);
    EXPECT_EQ(clamped.t.ui.shown.at(0).text, FormatText(msg::kElevationRange.text, -8388608.0, 8388607.0));
}

TEST(BinaryDemJob, NodataBecomesZeroUnlessKept)
{
    BinaryHeaderInfo header = Header(1, 2, 16);
    header.nodata = -9999;
    header.nodataGiven = true;
    Conversion replaced(header, Samples16({-9999, 7}, false));
    ASSERT_TRUE(replaced.Run());
    EXPECT_EQ(replaced.Height(0, 0), 0);
    EXPECT_EQ(replaced.Height(1, 0), 7);

    Conversion kept(header, Samples16({-9999, 7}, false));
    kept.options.keepNodata = true;
    kept.options.zScale = 3.0;
    ASSERT_TRUE(kept.Run());
    EXPECT_EQ(kept.Height(0, 0), -29997);

    BinaryHeaderInfo floats = Header(1, 2, 32);
    floats.nodata = -9999;
    floats.nodataGiven = true;
    Conversion replacedFloat(floats, SamplesFloat({-9999.0f, -9999.5f}));
    ASSERT_TRUE(replacedFloat.Run());
    EXPECT_EQ(replacedFloat.Height(0, 0), 0);
    EXPECT_EQ(replacedFloat.Height(1, 0), -9999);  // -9999.5 is a height, rounded up
}

TEST(BinaryDemJob, SamplesAreReplacedOnlyWhenTheHeaderNamedNodata)
{
    // Without a NODATA line, -1 is an ordinary height.
    Conversion plain(Header(1, 1, 16), Samples16({-1}, false));
    ASSERT_TRUE(plain.Run());
    EXPECT_EQ(plain.Height(0, 0), -1);

    // Bytes are never no-data, whatever the header says.
    BinaryHeaderInfo bytes = Header(1, 2, 8);
    bytes.nodata = 200;
    bytes.nodataGiven = true;
    Conversion unsignedBytes(bytes, std::string("\xC8\xFF", 2));
    ASSERT_TRUE(unsignedBytes.Run());
    EXPECT_EQ(unsignedBytes.Height(0, 0), 200);
    EXPECT_EQ(unsignedBytes.Height(1, 0), 255);
}

TEST(BinaryDemJob, RegionCutsOutOfTheRasterAndReadsZeroOutside)
{
    // 3 x 3 raster, values 10 * row + column + 1 (row 0 on top).
    std::vector<int16_t> values;
    for (int r = 0; r < 3; ++r)
        for (int col = 0; col < 3; ++col) values.push_back(static_cast<int16_t>(10 * r + col + 1));
    Conversion inner(Header(3, 3, 16), Samples16(values, false));
    inner.options.upperLeftX = 1.0;   // start at column 1
    inner.options.upperLeftY = -1.0;  // start at row 1
    inner.options.extentX = 2.0;
    inner.options.extentY = 2.0;
    ASSERT_TRUE(inner.Run());
    EXPECT_EQ(inner.Height(0, 1), 12);  // upper-left of the region
    EXPECT_EQ(inner.Height(1, 0), 23);  // lower-right

    Conversion outside(Header(3, 3, 16), Samples16(values, false));
    outside.options.upperLeftX = 2.0;
    outside.options.upperLeftY = 2.0;  // (0 - 2) + 0.5 truncates to one row above the raster
    outside.options.extentX = 2.0;
    outside.options.extentY = 2.0;
    ASSERT_TRUE(outside.Run());
    EXPECT_EQ(outside.Height(0, 1), 0);  // above
    EXPECT_EQ(outside.Height(0, 0), 3);  // row 0, column 2
    EXPECT_EQ(outside.Height(1, 0), 0);  // right of the raster, not the next row's first sample
    EXPECT_EQ(outside.t.ui.shown.at(0).text, FormatText(msg::kElevationRange.text, 0.0, 3.0));

    // Offsets truncate toward zero: half a row above the raster still starts at row 0.
    Conversion truncated(Header(3, 3, 16), Samples16(values, false));
    truncated.options.upperLeftY = 1.0;
    truncated.options.extentY = 1.0;
    ASSERT_TRUE(truncated.Run());
    EXPECT_EQ(truncated.Height(0, 0), 1);
}

TEST(BinaryDemJob, SizeMismatchIsAskedAndNoStops)
{
    Conversion refused(Header(2, 2, 16), Samples16({1, 2, 3}, false));
    EXPECT_FALSE(refused.Run());
    ASSERT_EQ(refused.t.ui.shown.size(), 1u);
    EXPECT_TRUE(refused.t.ui.shown[0].question);
    EXPECT_EQ(refused.t.ui.shown[0].text, msg::kSizeMismatch.text);
    EXPECT_FALSE(std::filesystem::exists(refused.options.targetPath));

    // Yes converts what is there; the missing sample reads 0.
    Conversion accepted(Header(2, 2, 16), Samples16({1, 2, 3}, false));
    accepted.t.ui.answers.push_back(Answer::Yes);
    ASSERT_TRUE(accepted.Run());
    EXPECT_EQ(accepted.Height(0, 1), 1);
    EXPECT_EQ(accepted.Height(0, 0), 3);
    EXPECT_EQ(accepted.Height(1, 0), 0);
}

TEST(BinaryDemJob, FilesThatCannotBeUsedAreNamed)
{
    Conversion missing(Header(1, 1, 8), "x");
    missing.options.sourcePath = missing.t.dir.File("absent.bin");
    EXPECT_FALSE(missing.Run());
    EXPECT_EQ(missing.t.ui.Texts(), std::vector<std::string>{FormatText(msg::kCannotOpenFile.text, missing.options.sourcePath.c_str())});

    Conversion noFolder(Header(1, 1, 8), "x");
    noFolder.options.targetPath = noFolder.t.dir.File("no/such/out.tga");
    EXPECT_FALSE(noFolder.Run());
    EXPECT_EQ(noFolder.t.ui.Texts(), std::vector<std::string>{FormatText(msg::kCannotOpenFile.text, noFolder.options.targetPath.c_str())});
}

TEST(BinaryDemJob, EmptyOrOversizedRegionIsRefused)
{
    Conversion empty(Header(1, 1, 8), "x");
    empty.options.extentX = 0.0;  // the dialog's initial value
    EXPECT_FALSE(empty.Run());
    EXPECT_EQ(empty.t.ui.Texts(), std::vector<std::string>{FormatText(msg::kOutputSizeInvalid.text, 0.0, 1.0)});
    EXPECT_FALSE(std::filesystem::exists(empty.options.targetPath));

    Conversion huge(Header(1, 1, 8), "x");
    huge.options.extentY = 65536.0;
    EXPECT_FALSE(huge.Run());
    EXPECT_FALSE(std::filesystem::exists(huge.options.targetPath));
}

TEST(BinaryDemJob, ProgressIsShownPerRowAndClearedAtTheEnd)
{
    Conversion c(Header(4, 1, 8), std::string(4, '\x01'));
    ASSERT_TRUE(c.Run());
    EXPECT_EQ(c.t.ui.statusTexts, (std::vector<std::string>{"0%", "25%", "50%", "75%", ""}));
    EXPECT_EQ(c.t.ui.pumps, 4);
}

TEST(BinaryDemJob, CancelRemovesThePartialOutputAndKeepsAnOldTarget)
{
    Conversion c(Header(8, 2, 8), std::string(16, '\x05'));
    c.t.ui.cancelAfterPumps = 3;
    ASSERT_TRUE(c.Run());  // the dialog stays open, ready for another conversion
    EXPECT_TRUE(c.cancelled);
    EXPECT_FALSE(std::filesystem::exists(c.options.targetPath));
    EXPECT_TRUE(c.t.ui.shown.empty());
    EXPECT_EQ(c.t.ui.statusTexts.back(), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(c.t.dir.path()), {}), 1);  // only the source

    Conversion again(Header(8, 2, 8), std::string(16, '\x05'));
    WriteFileBytes(again.options.targetPath, "old");
    again.t.ui.cancelAfterPumps = 3;
    ASSERT_TRUE(again.Run());
    EXPECT_EQ(ReadFileBytes(again.options.targetPath), "old");
}

TEST(BinaryDemJob, YuvTargetIsWrittenByTheImageLayer)
{
    Conversion c(Header(2, 4, 8), std::string(8, '\x10'));
    c.options.targetPath = c.t.dir.File("out.YUV");
    ASSERT_TRUE(c.Run());
    // One luma byte per pixel and two quarter-size chroma planes.
    EXPECT_EQ(ReadFileBytes(c.t.dir.File("out.yuv")).size(), 4u * 2 + 2 * 2 * 1);
}

TEST(BinaryDemJob, SizeLabelCountsKilobytesOfTheOutput)
{
    BinaryHeaderInfo header = Header(1, 1, 8);
    header.xdim = 0.5;
    BinaryDemOptions options;
    options.extentX = 512.0;  // 1024 pixels
    options.extentY = 100.0;  // 100 pixels
    EXPECT_EQ(OutputSizeKBytes(options, header), 300);
}

}  // namespace
}  // namespace vistagon
