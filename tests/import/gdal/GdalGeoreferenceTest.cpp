#include "image/GeoreferenceFile.h"
#include "import/gdal/GdalDatasets.h"
#include "import/gdal/GdalImportJob.h"
#include "import/gdal/GdalTestRasters.h"
#include "support/ScriptedInteraction.h"

#include <ogr_spatialref.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace vistagon::test {
namespace {

constexpr std::array<double, 6> kUtm{500000.0, 30.0, 0.0, 4000000.0, 0.0, -30.0};

struct Corners {
    double west, north, east, south;
};

// The map corners of a raster as GDAL places it.
Corners CornersOf(GDALDataset& dataset)
{
    const std::array<double, 6> t = TransformOf(dataset);
    EXPECT_DOUBLE_EQ(t[2], 0.0);
    EXPECT_DOUBLE_EQ(t[4], 0.0);
    return {t[0], t[3], t[0] + t[1] * dataset.GetRasterXSize(), t[3] + t[5] * dataset.GetRasterYSize()};
}

void ExpectSameCorners(const Corners& got, const Corners& expected)
{
    EXPECT_NEAR(got.west, expected.west, 1e-9 * std::max(1.0, std::fabs(expected.west)));
    EXPECT_NEAR(got.north, expected.north, 1e-9 * std::max(1.0, std::fabs(expected.north)));
    EXPECT_NEAR(got.east, expected.east, 1e-9 * std::max(1.0, std::fabs(expected.east)));
    EXPECT_NEAR(got.south, expected.south, 1e-9 * std::max(1.0, std::fabs(expected.south)));
}

bool SameSystem(GDALDataset& dataset, int epsg)
{
    OGRSpatialReference expected;
    expected.importFromEPSG(epsg);
    // Longitude first, as GDAL reads georeferenced files.
    expected.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    const OGRSpatialReference* got = dataset.GetSpatialRef();
    return got != nullptr && got->IsSame(&expected);
}

// Samples r * 10 + c, small enough to read back as the blue byte.
std::vector<double> Ramp(int width, int height)
{
    std::vector<double> values;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) values.push_back(r * 10 + c);
    return values;
}

bool RunImport(TestContext& t, const GdalImportOptions& options)
{
    GdalImportJob job(t.context, options);
    return job.Run();
}

TEST(GdalGeoreference, ProjectedWindowLiesWhereItsSourcePixelsLie)
{
    TestContext t;
    const std::string tif = t.dir.File("dem.tif");
    WriteTestRaster(tif, "GTiff", {6, 5, GDT_Int16, {Ramp(6, 5)}, std::nullopt, kUtm, 32633, {}});
    GdalImportOptions options{tif, t.dir.File("part.tga")};
    options.window = RasterWindow{1, 2, 4, 3};
    ASSERT_TRUE(RunImport(t, options));

    const Dataset written = OpenWithGdal(options.target);
    ASSERT_TRUE(written);
    ExpectSameCorners(CornersOf(*written), {500030.0, 3999940.0, 500150.0, 3999850.0});
    EXPECT_TRUE(SameSystem(*written, 32633));
    // GDAL's top-left pixel is the window's first source pixel, its bottom-right the last.
    EXPECT_EQ(HeightAt(*written, 0, 0), 21);
    EXPECT_EQ(HeightAt(*written, 3, 2), 44);
}

TEST(GdalGeoreference, FileRewrittenByGdalStillReadsBack)
{
    TestContext t;
    const std::string tif = t.dir.File("dem.tif");
    WriteTestRaster(tif, "GTiff", {3, 2, GDT_Int16, {Ramp(3, 2)}, std::nullopt, kUtm, 32633, {}});
    GdalImportOptions options{tif, t.dir.File("dem.tga")};
    ASSERT_TRUE(RunImport(t, options));
    const std::optional<Georeference> ours = ReadGeoreference(options.target);
    ASSERT_TRUE(ours);
    {
        // Statistics make GDAL write the auxiliary file again, in its own layout.
        Dataset written = OpenWithGdal(options.target);
        ASSERT_TRUE(written);
        double minimum = 0, maximum = 0, mean = 0, deviation = 0;
        ASSERT_EQ(written->GetRasterBand(3)->ComputeStatistics(FALSE, &minimum, &maximum, &mean, &deviation, nullptr,
                                                               nullptr),
                  CE_None);
    }
    ASSERT_NE(ReadFileBytes(GeoreferencePath(options.target)).find("STATISTICS_MAXIMUM"), std::string::npos);
    const std::optional<Georeference> rewritten = ReadGeoreference(options.target);
    ASSERT_TRUE(rewritten);
    EXPECT_EQ(rewritten->transform, ours->transform);
    OGRSpatialReference system;
    ASSERT_EQ(system.importFromWkt(rewritten->wkt.c_str()), OGRERR_NONE);
    OGRSpatialReference expected;
    expected.importFromEPSG(32633);
    EXPECT_TRUE(system.IsSame(&expected));
    EXPECT_EQ(rewritten->axisMapping, "1,2");
}

TEST(GdalGeoreference, ResizedGeographicRasterKeepsItsCornersAndLongitudeFirst)
{
    TestContext t;
    const std::string tif = t.dir.File("dem.tif");
    const std::array<double, 6> geographic{10.0, 0.25, 0.0, 47.0, 0.0, -0.125};
    WriteTestRaster(tif, "GTiff", {8, 8, GDT_Int16, {Ramp(8, 8)}, std::nullopt, geographic, 4326, {}});
    GdalImportOptions options{tif, t.dir.File("small.tga")};
    options.window = RasterWindow{2, 0, 6, 8};
    options.size = PixelSize{3, 2};
    ASSERT_TRUE(RunImport(t, options));

    const Dataset written = OpenWithGdal(options.target);
    ASSERT_TRUE(written);
    ASSERT_EQ(written->GetRasterXSize(), 3);
    ExpectSameCorners(CornersOf(*written), {10.5, 47.0, 12.0, 46.0});
    EXPECT_TRUE(SameSystem(*written, 4326));
    // Longitude stays the x of the transform, as in the source.
    const std::vector<int> mapping = written->GetSpatialRef()->GetDataAxisToSRSAxisMapping();
    EXPECT_EQ(mapping, (std::vector<int>{2, 1}));
}

TEST(GdalGeoreference, SouthUpAndEastFirstSourcesComeOutNorthUp)
{
    TestContext t;
    const std::string tif = t.dir.File("turned.tif");
    // Stored south row first and east column first.
    const std::array<double, 6> turned{500120.0, -30.0, 0.0, 3999910.0, 0.0, 30.0};
    WriteTestRaster(tif, "GTiff", {4, 3, GDT_Int16, {Ramp(4, 3)}, std::nullopt, turned, 32633, {}});
    GdalImportOptions options{tif, t.dir.File("north.tga")};
    ASSERT_TRUE(RunImport(t, options));

    const Dataset written = OpenWithGdal(options.target);
    ASSERT_TRUE(written);
    const std::array<double, 6> transform = TransformOf(*written);
    EXPECT_GT(transform[1], 0.0);
    EXPECT_LT(transform[5], 0.0);
    ExpectSameCorners(CornersOf(*written), {500000.0, 4000000.0, 500120.0, 3999910.0});
    // The north-west pixel is the last stored row's last column.
    EXPECT_EQ(HeightAt(*written, 0, 0), 23);
    EXPECT_EQ(HeightAt(*written, 3, 2), 0);
}

TEST(GdalGeoreference, TextureIsPlacedLikeItsSource)
{
    TestContext t;
    const std::string tif = t.dir.File("photo.tif");
    WriteTestRaster(tif, "GTiff",
                    {2, 2, GDT_Byte, {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}}, std::nullopt, kUtm, 32633, {}});
    GdalImportOptions options{tif, t.dir.File("photo.tga")};
    options.texture = true;
    options.size = PixelSize{4, 4};
    ASSERT_TRUE(RunImport(t, options));

    const Dataset written = OpenWithGdal(options.target);
    ASSERT_TRUE(written);
    ExpectSameCorners(CornersOf(*written), {500000.0, 4000000.0, 500060.0, 3999940.0});
    EXPECT_TRUE(SameSystem(*written, 32633));
}

TEST(GdalGeoreference, PlainPictureTakesAStaleFileAwayAndCancelLeavesTheOldOne)
{
    TestContext t;
    const std::string placed = t.dir.File("placed.tif");
    WriteTestRaster(placed, "GTiff", {2, 2, GDT_Int16, {{1, 2, 3, 4}}, std::nullopt, kUtm, 32633, {}});
    GdalImportOptions options{placed, t.dir.File("out.tga")};
    ASSERT_TRUE(RunImport(t, options));
    const std::string aux = GeoreferencePath(options.target);
    ASSERT_TRUE(std::filesystem::exists(aux));
    const std::string before = ReadFileBytes(aux);

    // A cancelled import of another raster keeps the target and its placement.
    const std::string other = t.dir.File("other.tif");
    std::array<double, 6> elsewhere = kUtm;
    elsewhere[0] += 1000.0;
    WriteTestRaster(other, "GTiff", {2, 2, GDT_Int16, {{1, 2, 3, 4}}, std::nullopt, elsewhere, 32633, {}});
    t.ui.cancelAfterPumps = t.ui.pumps + 1;
    GdalImportOptions cancelled{other, options.target};
    GdalImportJob job(t.context, cancelled);
    job.Run();
    ASSERT_TRUE(job.WasCancelled());
    EXPECT_EQ(ReadFileBytes(aux), before);

    t.ui.cancelled = false;
    t.ui.cancelAfterPumps = -1;
    const std::string plain = t.dir.File("plain.tif");
    WriteTestRaster(plain, "GTiff", {2, 2, GDT_Int16, {{1, 2, 3, 4}}, std::nullopt, std::nullopt, 0, {}});
    GdalImportOptions unplaced{plain, options.target};
    ASSERT_TRUE(RunImport(t, unplaced));
    EXPECT_FALSE(std::filesystem::exists(aux));
    const Dataset written = OpenWithGdal(options.target);
    ASSERT_TRUE(written);
    std::array<double, 6> transform{};
    EXPECT_NE(written->GetGeoTransform(transform.data()), CE_None);
}

}  // namespace
}  // namespace vistagon::test
