#include "SdtsTransfer.h"

#include "image/ElevationEncoding.h"
#include "import/sdts/SdtsImportJob.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"
#include "platform/messages/SdtsMessages.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace vistagon {
namespace {

using test::CellModule;
using test::CellRow;
using test::ReadFileBytes;
using test::TestContext;
using test::WriteFileBytes;

struct Tga {
    std::string bytes;
    int width() const { return static_cast<uint8_t>(bytes[12]) | static_cast<uint8_t>(bytes[13]) << 8; }
    int height() const { return static_cast<uint8_t>(bytes[14]) | static_cast<uint8_t>(bytes[15]) << 8; }
    // y counted upward from the bottom row, as the file stores it.
    int32_t At(int x, int y) const
    {
        return DecodeElevation(reinterpret_cast<const uint8_t*>(bytes.data()) + 18 + 3 * (x + y * width()));
    }
};

struct Conversion {
    TestContext t;
    SdtsImportOptions options;
    bool result = false;

    explicit Conversion(const std::string& module)
    {
        options.sourcePath = t.dir.File("CEL0.DDF");
        options.targetPath = t.dir.File("out.tga");
        WriteFileBytes(options.sourcePath, module);
    }
    bool Run(long cancelAfterPumps = -1)
    {
        t.ui.cancelAfterPumps = cancelAfterPumps;
        SdtsImportJob job(t.context, options);
        result = job.Run();
        cancelled = job.WasCancelled();
        return result;
    }
    Tga Output() const { return Tga{ReadFileBytes(options.targetPath)}; }
    bool TargetExists() const { return std::filesystem::exists(options.targetPath); }
    std::string Messages() const
    {
        std::string all;
        for (const auto& text : t.ui.Texts()) all += text + "|";
        return all;
    }
    bool cancelled = false;
};

int Ramp(int row, int column)
{
    return row * 13 - column * 11 - 2000;  // within 16 bits for 1201 x 1201
}

TEST(SdtsImport, FullModuleOf1201RowsFillsTheRasterTopRowFirst)
{
    Conversion c(CellModule(test::FullRaster(1201, 1201, Ramp)));
    ASSERT_TRUE(c.Run()) << c.Messages();
    const Tga tga = c.Output();
    ASSERT_EQ(tga.width(), 1201);
    ASSERT_EQ(tga.height(), 1201);
    ASSERT_EQ(tga.bytes.size(), 18u + 3u * 1201 * 1201);
    EXPECT_EQ(tga.At(0, 1200), Ramp(1, 1));  // ROWI 1 is the top row
    EXPECT_EQ(tga.At(1200, 1200), Ramp(1, 1201));
    EXPECT_EQ(tga.At(0, 0), Ramp(1201, 1));
    EXPECT_EQ(tga.At(600, 300), Ramp(1201 - 300, 601));
    EXPECT_TRUE(c.t.ui.shown.empty()) << c.Messages();
}

TEST(SdtsImport, HeaderAndRowsAreWrittenExactly)
{
    Conversion c(CellModule({{1, 1, {1, -2, 3}}, {2, 1, {0x123456, 5, 6}}}));
    ASSERT_TRUE(c.Run());
    const std::string header("\x00\x00\x02\x00\x00\x00\x00\x18\x00\x00\x00\x00\x03\x00\x02\x00\x18\x00", 18);
    const Tga tga = c.Output();
    ASSERT_EQ(tga.bytes.size(), 18u + 2 * 9);
    EXPECT_EQ(tga.bytes.substr(0, 18), header);
    // Bottom row (ROWI 2) first; ELEVATION is 16 bits, so 0x123456 arrives as 0x3456.
    EXPECT_EQ(tga.bytes.substr(18, 9), std::string("\x56\x34\x00\x05\x00\x00\x06\x00\x00", 9));
    EXPECT_EQ(tga.bytes.substr(27, 9), std::string("\x01\x00\x00\xfe\xff\xff\x03\x00\x00", 9));
}

TEST(SdtsImport, VoidAndFillValuesBecomeZeroOnlyWhenActive)
{
    const std::string module = CellModule({{1, 1, {-32767, -32766, 7, -1}}});
    struct Case {
        int voidValue, fillValue;
        std::vector<int> expected;
    };
    for (const Case& k : {Case{-32767, -32766, {0, 0, 7, -1}}, Case{0, -32766, {-32767, 0, 7, -1}},
                          Case{0, 0, {-32767, -32766, 7, -1}}, Case{-1, 7, {-32767, -32766, 0, 0}}}) {
        Conversion c(module);
        c.options.voidValue = k.voidValue;
        c.options.fillValue = k.fillValue;
        ASSERT_TRUE(c.Run());
        const Tga tga = c.Output();
        for (int x = 0; x < 4; ++x) EXPECT_EQ(tga.At(x, 0), k.expected[static_cast<size_t>(x)]) << k.voidValue << " " << x;
    }
}

TEST(SdtsImport, ColumnOffsetsAndGapsLeaveUnfilledCellsZero)
{
    // COLI 5 fills from column 4 on; row 2 has no record at all.
    Conversion c(CellModule({{1, 5, {10, 11}}, {3, 1, {30, 31, 32}}}));
    ASSERT_TRUE(c.Run());
    const Tga tga = c.Output();
    ASSERT_EQ(tga.width(), 6);
    ASSERT_EQ(tga.height(), 3);
    const std::vector<std::vector<int>> rowsTopDown = {{0, 0, 0, 0, 10, 11}, {0, 0, 0, 0, 0, 0}, {30, 31, 32, 0, 0, 0}};
    for (int r = 0; r < 3; ++r)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(tga.At(x, 2 - r), rowsTopDown[static_cast<size_t>(r)][static_cast<size_t>(x)]) << r << "," << x;
}

TEST(SdtsImport, ReusedRecordLayoutConvertsLikeFullRecords)
{
    const auto rows = test::FullRaster(40, 30, Ramp);
    Conversion full(CellModule(rows));
    Conversion reused(CellModule(rows, true));
    ASSERT_TRUE(full.Run());
    ASSERT_TRUE(reused.Run()) << reused.Messages();
    EXPECT_EQ(reused.Output().bytes, full.Output().bytes);
}

TEST(SdtsImport, StatusShowsRecordCountAndPassThenClears)
{
    Conversion c(CellModule(test::FullRaster(3, 20, Ramp)));
    ASSERT_TRUE(c.Run());
    const auto& texts = c.t.ui.statusTexts;
    ASSERT_EQ(texts.size(), 41u);
    EXPECT_EQ(texts[0], "    1/1");
    EXPECT_EQ(texts[19], "   20/1");
    EXPECT_EQ(texts[20 + 16], "   17/2");
    EXPECT_EQ(texts.back(), "");
    EXPECT_EQ(c.t.ui.pumps, 40);
}

TEST(SdtsImport, CancelInEitherPassWritesNothing)
{
    for (long pumps : {3L, 12L}) {  // 10 records a pass
        Conversion c(CellModule(test::FullRaster(4, 10, Ramp)));
        WriteFileBytes(c.options.targetPath, "old");
        EXPECT_TRUE(c.Run(pumps)) << pumps;
        EXPECT_TRUE(c.cancelled) << pumps;
        EXPECT_EQ(ReadFileBytes(c.options.targetPath), "old") << pumps;
        EXPECT_EQ(c.t.ui.statusTexts.back(), "");
        EXPECT_LE(c.t.ui.pumps, pumps);
    }
}

TEST(SdtsImport, UnusableSourcesFailWithAClearMessage)
{
    std::string truncated = CellModule(test::FullRaster(5, 5, Ramp));
    truncated.resize(truncated.size() - 7);
    struct Case {
        const char* what;
        std::string module;
        const char* expectedPart;
    };
    const Case cases[] = {
        {"catalogue instead of cell module", test::CatalogModule(), "No raster cells found"},
        {"records without cells", CellModule({{1, 1, {}}, {2, 1, {}}}), "No raster cells found"},
        {"not an ISO 8211 file", "just some text that is long enough for a leader", "cannot be read as an ISO 8211 file"},
        {"truncated module", truncated, "cannot be read as an ISO 8211 file"},
        {"rows beyond a TGA", CellModule({{70000, 1, {1}}}), "has 1 x 70000 cells"},
        {"columns beyond a TGA", CellModule({{1, 65536, {1}}}), "has 65536 x 1 cells"},
        {"raster beyond memory", CellModule({{60000, 60000, {1}}}), "too large to be held in memory"},
    };
    for (const Case& k : cases) {
        Conversion c(k.module);
        EXPECT_FALSE(c.Run()) << k.what;
        EXPECT_NE(c.Messages().find(k.expectedPart), std::string::npos) << k.what << ": " << c.Messages();
        EXPECT_FALSE(c.TargetExists()) << k.what;
        EXPECT_EQ(c.t.ui.statusTexts.back(), "") << k.what;
    }
}

TEST(SdtsImport, MissingSourceAndUnwritableTargetNameTheFile)
{
    Conversion missing(CellModule({{1, 1, {1}}}));
    missing.options.sourcePath = missing.t.dir.File("absent.ddf");
    EXPECT_FALSE(missing.Run());
    EXPECT_EQ(missing.Messages(), FormatText(msg::kCannotOpenFile.text, missing.options.sourcePath.c_str()) + "|");

    Conversion unwritable(CellModule({{1, 1, {1, 2}}}));
    unwritable.options.targetPath = unwritable.t.dir.File("no/such/folder/out.tga");
    EXPECT_FALSE(unwritable.Run());
    const auto texts = unwritable.t.ui.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), FormatText(msg::kCannotOpenFile.text, unwritable.options.targetPath.c_str()));
}

TEST(SdtsImport, YuvTargetIsWrittenAsYuv)
{
    Conversion c(CellModule(test::FullRaster(4, 2, Ramp)));
    c.options.targetPath = c.t.dir.File("out.yuv");
    ASSERT_TRUE(c.Run()) << c.Messages();
    const std::string yuv = ReadFileBytes(c.options.targetPath);
    EXPECT_FALSE(yuv.empty());
    EXPECT_NE(yuv.substr(0, 3), std::string("\x00\x00\x02", 3));  // not a TGA header
}

}  // namespace
}  // namespace vistagon
