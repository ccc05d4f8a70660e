#include "import/gdal/GdalImportJob.h"
#include "import/gdal/GdalTestRasters.h"
#include "support/CliRunner.h"
#include "support/ScriptedInteraction.h"

#include <gdal.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace vistagon::test {
namespace {

using Rows = std::vector<std::vector<int>>;

constexpr std::array<double, 6> kUtm{500000.0, 30.0, 0.0, 4000000.0, 0.0, -30.0};

bool Contains(const std::vector<std::string>& texts, const std::string& part)
{
    for (const std::string& text : texts)
        if (text.find(part) != std::string::npos) return true;
    return false;
}

struct Import {
    TestContext t;
    GdalImportOptions options;
    bool converted = false;

    Import(const std::string& source, std::string target = {})
    {
        options.source = source;
        options.target = target.empty() ? t.dir.File("out.tga") : std::move(target);
    }
    GdalImportSummary Run()
    {
        GdalImportJob job(t.context, options);
        converted = job.Run();
        return job.summary();
    }
};

TEST(GdalImport, Int16ProjectedRasterIsScaledRoundedAndNorthUp)
{
    TempDir files;
    const std::string tif = files.File("dem.tif");
    WriteTestRaster(tif, "GTiff", {3, 2, GDT_Int16, {{1, 2, 3, 4, 5, 6}}, std::nullopt, kUtm, 32633, {}});
    Import import(tif);
    import.options.zScale = 2.5;
    const GdalImportSummary s = import.Run();
    ASSERT_TRUE(import.converted);
    // The southern (second stored) row is row 0; 2.5 rounds up to 3, 7.5 to 8.
    EXPECT_EQ(ReadHeights(import.options.target), (Rows{{10, 13, 15}, {3, 5, 8}}));
    EXPECT_EQ(s.width, 3);
    EXPECT_EQ(s.height, 2);
    EXPECT_DOUBLE_EQ(s.pixelSizeX, 30.0);
    EXPECT_DOUBLE_EQ(*s.metresY, 30.0);
    EXPECT_NE(s.systemName.find("UTM zone 33N"), std::string::npos) << s.systemName;
    EXPECT_DOUBLE_EQ(s.minimum, 2.5);
    EXPECT_DOUBLE_EQ(s.maximum, 15.0);
    EXPECT_TRUE(Contains(import.t.ui.Texts(), "minimum 2.500000\nmaximum 15.000000"));
}

TEST(GdalImport, Float32NoDataAndNanBecomeTheVoidInAGeographicSystem)
{
    TempDir files;
    const std::string tif = files.File("dem.tif");
    const std::array<double, 6> geographic{10.0, 0.5, 0.0, 61.0, 0.0, -0.5};
    WriteTestRaster(tif, "GTiff", {2, 2, GDT_Float32, {{1.4, -9999, NAN, 2.6}}, -9999.0, geographic, 4326, {}});
    Import import(tif);
    import.options.voidValue = -5;
    const GdalImportSummary s = import.Run();
    ASSERT_TRUE(import.converted);
    EXPECT_EQ(ReadHeights(import.options.target), (Rows{{-5, 3}, {1, -5}}));
    EXPECT_EQ(s.unitName, "degree");
    EXPECT_EQ(s.systemName, "WGS 84");
    // At the centre latitude 60.5 degrees.
    const double metresPerDegree = 3.141592653589793 / 180.0 * 6371008.8;
    EXPECT_NEAR(*s.metresX, 0.5 * metresPerDegree * std::cos(60.5 * 3.141592653589793 / 180.0), 1e-6);
    EXPECT_NEAR(*s.metresY, 0.5 * metresPerDegree, 1e-6);
    EXPECT_NEAR(s.minimum, 1.4, 1e-6);  // void samples stay out of the range
}

TEST(GdalImport, SouthUpRasterKeepsItsFirstRowAtTheBottom)
{
    TempDir files;
    const std::string tif = files.File("south.tif");
    const std::array<double, 6> southUp{500000.0, 30.0, 0.0, 4000000.0, 0.0, 30.0};
    WriteTestRaster(tif, "GTiff", {2, 2, GDT_Int16, {{1, 2, 3, 4}}, std::nullopt, southUp, 32633, {}});
    Import import(tif);
    import.Run();
    ASSERT_TRUE(import.converted);
    EXPECT_EQ(ReadHeights(import.options.target), (Rows{{1, 2}, {3, 4}}));
}

TEST(GdalImport, WindowCutsAPartAndOneOutsideIsRefused)
{
    TempDir files;
    const std::string tif = files.File("dem.tif");
    std::vector<double> values;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) values.push_back(r * 10 + c);
    WriteTestRaster(tif, "GTiff", {4, 3, GDT_Int16, {values}, std::nullopt, kUtm, 32633, {}});
    Import import(tif);
    import.options.window = RasterWindow{1, 1, 2, 2};
    const GdalImportSummary s = import.Run();
    ASSERT_TRUE(import.converted);
    EXPECT_EQ(ReadHeights(import.options.target), (Rows{{21, 22}, {11, 12}}));
    EXPECT_EQ(s.width, 2);

    Import outside(tif, files.File("none.tga"));
    outside.options.window = RasterWindow{3, 0, 2, 2};
    outside.Run();
    EXPECT_FALSE(outside.converted);
    EXPECT_TRUE(Contains(outside.t.ui.Texts(), "does not lie inside the raster of 4 x 3 pixels"));
    EXPECT_FALSE(std::filesystem::exists(outside.options.target));
}

TEST(GdalImport, ShrinkingAveragesAndGrowingInterpolates)
{
    TempDir files;
    const std::string tif = files.File("dem.tif");
    WriteTestRaster(tif, "GTiff", {4, 4, GDT_Int16, {{0, 2, 4, 6, 2, 4, 6, 8, 8, 8, 0, 0, 8, 8, 0, 0}}, std::nullopt, kUtm, 32633, {}});
    Import shrink(tif);
    shrink.options.size = PixelSize{2, 2};
    const GdalImportSummary s = shrink.Run();
    ASSERT_TRUE(shrink.converted);
    EXPECT_EQ(ReadHeights(shrink.options.target), (Rows{{8, 0}, {2, 6}}));
    EXPECT_DOUBLE_EQ(s.pixelSizeX, 60.0);
    EXPECT_DOUBLE_EQ(*s.metresY, 60.0);

    const std::string ramp = files.File("ramp.tif");
    WriteTestRaster(ramp, "GTiff", {2, 2, GDT_Int16, {{0, 10, 0, 10}}, std::nullopt, kUtm, 32633, {}});
    Import grow(ramp);
    grow.options.size = PixelSize{4, 2};
    grow.Run();
    ASSERT_TRUE(grow.converted);
    // Centres at 0.25, 0.75, 1.25 and 1.75 source pixels: clamped, 2.5, 7.5, clamped.
    EXPECT_EQ(ReadHeights(grow.options.target), (Rows{{0, 3, 8, 10}, {0, 3, 8, 10}}));
}

TEST(GdalImport, SrtmTileIsReadInBlocksAcrossItsRows)
{
    TempDir files;
    const std::string hgt = files.File("N45E010.hgt");
    const int side = 1201;  // more samples than one block holds
    std::vector<double> values;
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c) values.push_back(r + (c == 0 ? 2000 : 0));
    const double step = 1.0 / 1200.0;
    const std::array<double, 6> tile{10.0 - step / 2, step, 0.0, 46.0 + step / 2, 0.0, -step};
    WriteTestRaster(hgt, "SRTMHGT", {side, side, GDT_Int16, {values}, std::nullopt, tile, 4326, {}});
    Import import(hgt);
    const GdalImportSummary s = import.Run();
    ASSERT_TRUE(import.converted);
    const Rows heights = ReadHeights(import.options.target);
    ASSERT_EQ(heights.size(), static_cast<size_t>(side));
    bool ordered = true;
    for (int y = 0; y < side; ++y) {
        const int stored = side - 1 - y;
        ordered = ordered && heights[y][0] == stored + 2000 && heights[y][1] == stored && heights[y][side - 1] == stored;
    }
    EXPECT_TRUE(ordered);
    EXPECT_EQ(s.unitName, "degree");
    EXPECT_NEAR(*s.metresY, 92.66, 0.01);
}

TEST(GdalImport, VirtualMosaicJoinsItsTiles)
{
    TempDir files;
    const std::string west = files.File("west.tif"), east = files.File("east.tif"), vrt = files.File("both.vrt");
    WriteTestRaster(west, "GTiff", {2, 2, GDT_Int16, {{1, 2, 3, 4}}, std::nullopt, kUtm, 32633, {}});
    std::array<double, 6> eastOrigin = kUtm;
    eastOrigin[0] += 60.0;
    WriteTestRaster(east, "GTiff", {2, 2, GDT_Int16, {{5, 6, 7, 8}}, std::nullopt, eastOrigin, 32633, {}});
    WriteMosaic(vrt, {west, east});
    Import import(vrt);
    import.Run();
    ASSERT_TRUE(import.converted);
    EXPECT_EQ(ReadHeights(import.options.target), (Rows{{3, 4, 7, 8}, {1, 2, 5, 6}}));
}

TEST(GdalImport, HeightsBeyond24BitsSaturate)
{
    TempDir files;
    const std::string tif = files.File("dem.tif");
    WriteTestRaster(tif, "GTiff", {2, 1, GDT_Float32, {{1e7, -1e7}}, std::nullopt, kUtm, 32633, {}});
    Import import(tif);
    import.Run();
    ASSERT_TRUE(import.converted);
    EXPECT_EQ(ReadHeights(import.options.target), (Rows{{8388607, -8388608}}));
    EXPECT_TRUE(Contains(import.t.ui.Texts(), "minimum -8388608.000000\nmaximum 8388607.000000"));
}

TEST(GdalImport, TexturesFromColourBandsPaletteAndGray)
{
    TempDir files;
    const std::string rgb = files.File("rgb.tif");
    WriteTestRaster(rgb, "GTiff", {2, 2, GDT_Byte, {{10, 20, 30, 40}, {50, 60, 70, 80}, {90, 100, 110, 120}}, std::nullopt, kUtm, 32633, {}});
    Import colour(rgb);
    colour.options.texture = true;
    colour.Run();
    ASSERT_TRUE(colour.converted);
    const auto pixels = ReadPixels(colour.options.target);
    // Northern stored row on top; blue is band 3.
    EXPECT_EQ(pixels[0][0], (Bgr{110, 70, 30}));
    EXPECT_EQ(pixels[1][1], (Bgr{100, 60, 20}));

    const std::string indexed = files.File("palette.tif");
    WriteTestRaster(indexed, "GTiff", {2, 1, GDT_Byte, {{0, 1}}, std::nullopt, kUtm, 32633, {Bgr{1, 2, 3}, Bgr{4, 5, 6}}});
    Import palette(indexed);
    palette.options.texture = true;
    palette.Run();
    ASSERT_TRUE(palette.converted);
    EXPECT_EQ(ReadPixels(palette.options.target)[0], (std::vector<Bgr>{{1, 2, 3}, {4, 5, 6}}));

    const std::string gray = files.File("gray.tif");
    WriteTestRaster(gray, "GTiff", {1, 1, GDT_Byte, {{77}}, std::nullopt, kUtm, 32633, {}});
    Import plain(gray);
    plain.options.texture = true;
    plain.Run();
    ASSERT_TRUE(plain.converted);
    EXPECT_EQ(ReadPixels(plain.options.target)[0][0], (Bgr{77, 77, 77}));
}

TEST(GdalImport, OversizedOutputNamesTheWayOut)
{
    TempDir files;
    const std::string tif = files.File("dem.tif");
    WriteTestRaster(tif, "GTiff", {2, 2, GDT_Int16, {{1, 2, 3, 4}}, std::nullopt, kUtm, 32633, {}});
    Import import(tif);
    import.options.size = PixelSize{70000, 2};
    import.Run();
    EXPECT_FALSE(import.converted);
    EXPECT_TRUE(Contains(import.t.ui.Texts(), "Use --size to resample it or --window to cut out a part."));
    EXPECT_FALSE(std::filesystem::exists(import.options.target));
}

TEST(GdalImport, CancelledImportLeavesTheTargetAlone)
{
    TempDir files;
    const std::string tif = files.File("dem.tif");
    WriteTestRaster(tif, "GTiff", {2, 3, GDT_Int16, {{1, 2, 3, 4, 5, 6}}, std::nullopt, kUtm, 32633, {}});
    Import import(tif);
    WriteFileBytes(import.options.target, "old");
    import.t.ui.cancelAfterPumps = 2;
    GdalImportJob job(import.t.context, import.options);
    job.Run();
    EXPECT_TRUE(job.WasCancelled());
    EXPECT_EQ(ReadFileBytes(import.options.target), "old");
}

TEST(GdalImportCommand, PrintsTheSceneValuesAndRefusesWhatItCannotOpen)
{
    TempDir files;
    const std::string tif = files.File("dem.tif");
    WriteTestRaster(tif, "GTiff", {3, 2, GDT_Int16, {{1, 2, 3, 4, 5, 6}}, std::nullopt, kUtm, 32633, {}});
    const CliResult done = RunCli({"import", "gdal", tif, files.File("dem.tga"), "--zscale", "10"});
    EXPECT_EQ(done.status, 0) << done.err;
    EXPECT_NE(done.out.find("size               3 x 2 pixels"), std::string::npos) << done.out;
    // Heights of 10 per metre, 30 metres a pixel: 1/300 makes them pixel widths.
    EXPECT_NE(done.out.find("ElevScaleX=1 ElevScaleY=1 ElevScaleZA=0.00333333 ElevScaleZZ=0.00333333"), std::string::npos) << done.out;
    EXPECT_EQ(done.out.find("not square"), std::string::npos);

    const CliResult missing = RunCli({"import", "gdal", files.File("none.tif"), files.File("x.tga")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Cannot open file '" + files.File("none.tif") + "'."), std::string::npos) << missing.err;
    const CliResult badWindow = RunCli({"import", "gdal", tif, files.File("x.tga"), "--window", "1,2,3"});
    EXPECT_EQ(badWindow.status, 2);
}

}  // namespace
}  // namespace vistagon::test
