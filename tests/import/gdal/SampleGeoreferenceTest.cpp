#include "import/gdal/GdalDatasets.h"
#include "support/CliRunner.h"
#include "support/ScriptedInteraction.h"

#include <ogr_spatialref.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace vistagon::test {
namespace {

// Where pixel centres of one raster fall in another's pixels.
struct PixelPosition {
    double column;
    double row;
};

PixelPosition PositionIn(const std::array<double, 6>& to, const std::array<double, 6>& from, int column, int row)
{
    const double x = from[0] + (column + 0.5) * from[1];
    const double y = from[3] + (row + 0.5) * from[5];
    return {(x - to[0]) / to[1] - 0.5, (y - to[3]) / to[5] - 0.5};
}

bool IsWhole(double value)
{
    return std::fabs(value - std::round(value)) < 1e-6;
}

// GDAL places our file on the source's grid, in its system, and every source
// pixel with data that lies inside ours has its value there (compared where
// GDAL reads the file's own numbers: not for scaled float samples).
void ExpectPlacedLikeSource(GDALDataset& source, GDALDataset& ours, bool compareValues, double rowShift)
{
    const std::array<double, 6> s = TransformOf(source);
    const std::array<double, 6> o = TransformOf(ours);
    EXPECT_DOUBLE_EQ(o[1], s[1]);
    EXPECT_DOUBLE_EQ(o[5], s[5]);
    EXPECT_EQ(o[2], 0.0);
    EXPECT_EQ(o[4], 0.0);
    const PixelPosition origin = PositionIn(o, s, 0, 0);
    EXPECT_TRUE(IsWhole(origin.column)) << origin.column;
    EXPECT_TRUE(IsWhole(origin.row + rowShift)) << origin.row;
    ASSERT_NE(ours.GetSpatialRef(), nullptr);
    EXPECT_TRUE(ours.GetSpatialRef()->IsSame(source.GetSpatialRef()));
    if (!compareValues) return;

    int hasNoData = 0;
    const double noData = source.GetRasterBand(1)->GetNoDataValue(&hasNoData);
    int compared = 0;
    for (int row = 0; row < source.GetRasterYSize(); ++row) {
        for (int column = 0; column < source.GetRasterXSize(); ++column) {
            const PixelPosition p = PositionIn(o, s, column, row);
            const auto x = static_cast<int>(std::lround(p.column));
            const auto y = static_cast<int>(std::lround(p.row));
            if (x < 0 || y < 0 || x >= ours.GetRasterXSize() || y >= ours.GetRasterYSize()) continue;
            double sample = 0.0;
            ASSERT_EQ(source.GetRasterBand(1)->RasterIO(GF_Read, column, row, 1, 1, &sample, 1, 1, GDT_Float64, 0, 0,
                                                        nullptr),
                      CE_None);
            if (hasNoData && sample == noData) continue;
            ASSERT_EQ(HeightAt(ours, x, y), static_cast<int>(sample)) << "source pixel " << column << ", " << row;
            ++compared;
        }
    }
    EXPECT_GT(compared, 0);
}

class SampleGeoreference : public ::testing::Test {
protected:
    CliResult Run(std::vector<std::string> words)
    {
        words.insert(words.begin(), {"--profile", dir.File("p.ini")});
        return RunCli(words);
    }

    TempDir dir;
    std::string target = dir.File("out.tga");
};

TEST_F(SampleGeoreference, UsgsDemFilesLieWhereGdalPlacesThem)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    struct Case {
        const char* name;
        bool compareValues;
        double rowShift;  // pixels between GDAL's rows and the file's posts
    };
    // UTM 12 NAD27 (float samples), UTM 17 WGS 72 off the corner grid, geographic NAD27
    // in arc-seconds (every sample void), UTM 10 with a blank datum, UTM 15 NAD83 cut
    // inside its first profile. GDAL puts that last one's rows on multiples of its
    // 1.4 m, but its posts lie half-way between them (the profile starts at y
    // 3248594.3 m): there our pixels are centred on the posts, half a pixel off GDAL's.
    for (const Case c : {Case{"39109h1_truncated.dem", false, 0.0}, Case{"39079G6_truncated.dem", true, 0.0},
                         Case{"114p01_0100_deme_truncated.dem", false, 0.0},
                         Case{"usgsdem_with_extra_values_at_end_of_profile.dem", true, 0.0},
                         Case{"usgsdem_with_spaces_after_byte_864.dem", true, 0.0},
                         Case{"fema06-140cm_2995441b_truncated.dem", false, 0.5}}) {
        SCOPED_TRACE(c.name);
        const std::string source = SharedDataDir() + "/usgsdem/" + c.name;
        const CliResult result = Run({"import", "usgs", target, source, "--no-check"});
        ASSERT_EQ(result.status, 0) << result.err;
        const Dataset gdal = OpenWithGdal(source);
        const Dataset ours = OpenWithGdal(target);
        ASSERT_TRUE(gdal && ours);
        ExpectPlacedLikeSource(*gdal, *ours, c.compareValues, c.rowShift);
    }
}

TEST_F(SampleGeoreference, BinaryRasterWithMapCoordinatesLiesWhereItsHeaderSays)
{
    VISTAGON_REQUIRE_SHARED_DATA();
    // GDAL reads a data file with its header of the same name beside it.
    const std::string header = dir.File("int16.hdr");
    const std::string data = dir.File("int16.bil");
    std::filesystem::copy_file(SharedDataDir() + "/ehdr/int16_rat.hdr", header);
    std::string samples;
    for (int i = 0; i < 20 * 20; ++i) {
        samples += static_cast<char>(i % 251);
        samples += static_cast<char>(0);
    }
    WriteFileBytes(data, samples);

    const CliResult whole = Run({"import", "binary", header, data, target, "--zscale", "1"});
    ASSERT_EQ(whole.status, 0) << whole.err;
    const Dataset gdal = OpenWithGdal(data);
    Dataset ours = OpenWithGdal(target);
    ASSERT_TRUE(gdal && ours);
    EXPECT_EQ(TransformOf(*ours), TransformOf(*gdal));
    EXPECT_EQ(ours->GetSpatialRef(), nullptr);  // the header names no system
    EXPECT_EQ(HeightAt(*ours, 0, 0), 0);
    EXPECT_EQ(HeightAt(*ours, 19, 19), 399 % 251);

    // A region from the third column and fourth row, 5 x 6 pixels.
    ours.reset();
    const CliResult part = Run({"import", "binary", header, data, target, "--zscale", "1", "--ulx", "440870",
                                "--uly", "3751110", "--extent-x", "300", "--extent-y", "360"});
    ASSERT_EQ(part.status, 0) << part.err;
    ours = OpenWithGdal(target);
    ASSERT_TRUE(ours);
    const std::array<double, 6> t = TransformOf(*ours);
    EXPECT_EQ(t, (std::array<double, 6>{440840.0, 60.0, 0.0, 3751140.0, 0.0, -60.0}));
    EXPECT_EQ(HeightAt(*ours, 0, 0), 3 * 20 + 2);
}

}  // namespace
}  // namespace vistagon::test
