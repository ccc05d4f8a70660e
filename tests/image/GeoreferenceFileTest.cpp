#include "image/GeoreferenceFile.h"
#include "image/PamDocument.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vistagon::test {
namespace {

const char* const kUtmWkt =
    "PROJCS[\"WGS 84 / UTM zone 33N\",GEOGCS[\"WGS 84\",DATUM[\"WGS_1984\",SPHEROID[\"WGS 84\",6378137,298.257223563]],"
    "PRIMEM[\"Greenwich\",0],UNIT[\"degree\",0.0174532925199433]],PROJECTION[\"Transverse_Mercator\"],"
    "PARAMETER[\"central_meridian\",15],UNIT[\"metre\",1]]";

Georeference Sample()
{
    Georeference g;
    g.transform = {500000.1, 1.0 / 3.0, -0.0, 4e6 + 0.7, 1e-300, -30.000000000000004};
    g.wkt = kUtmWkt;
    g.axisMapping = "1,2";
    return g;
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(PamDocument, EveryNumberAndTheSystemReadBackExactly)
{
    const Georeference written = Sample();
    const std::string text = PamText(written);
    // Quotes are escaped as GDAL escapes them; nothing else of the WKT changes.
    EXPECT_NE(text.find("<SRS dataAxisToSRSAxisMapping=\"1,2\">PROJCS[&quot;WGS 84 / UTM zone 33N&quot;"),
              std::string::npos)
        << text;
    // Plain digits where they are short, as few as read back exactly.
    EXPECT_NE(text.find("<GeoTransform> 500000.1, 0.3333333333333333, -0, 4000000.7, 1e-300, -30.000000000000004"
                        "</GeoTransform>"),
              std::string::npos)
        << text;
    const std::optional<Georeference> read = ParsePam(text);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, written);
}

TEST(PamDocument, ReadsTheFileAsGdalRewritesIt)
{
    // GDAL's own layout: padded exponents, other elements, bands with statistics.
    const std::string gdal =
        "<PAMDataset>\n"
        "  <SRS dataAxisToSRSAxisMapping='2,1'>GEOGCS[&quot;WGS 84&quot;,AXIS[&quot;Latitude&quot;,NORTH]&#44;"
        "AXIS[&#x22;Longitude&#x22;,EAST]]</SRS>\n"
        "  <GeoTransform>  1.0500000000000000e+01,  2.5000000000000000e-01,  0.0000000000000000e+00,  "
        "4.7000000000000000e+01,  0.0000000000000000e+00, -1.2500000000000000e-01</GeoTransform>\n"
        "  <Metadata>\n    <MDI key=\"AREA_OR_POINT\">Area</MDI>\n  </Metadata>\n"
        "  <PAMRasterBand band=\"1\">\n    <Metadata>\n      <MDI key=\"STATISTICS_MAXIMUM\">44</MDI>\n"
        "    </Metadata>\n  </PAMRasterBand>\n"
        "</PAMDataset>\n";
    const std::optional<Georeference> read = ParsePam(gdal);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->transform, (std::array<double, 6>{10.5, 0.25, 0.0, 47.0, 0.0, -0.125}));
    EXPECT_EQ(read->wkt, "GEOGCS[\"WGS 84\",AXIS[\"Latitude\",NORTH],AXIS[\"Longitude\",EAST]]");
    EXPECT_EQ(read->axisMapping, "2,1");
}

TEST(PamDocument, IncompleteTransformsAndOtherDocumentsGiveNone)
{
    EXPECT_FALSE(ParsePam(""));
    EXPECT_FALSE(ParsePam("<PAMDataset><SRS>GEOGCS[]</SRS></PAMDataset>"));
    EXPECT_FALSE(ParsePam("<PAMDataset><GeoTransform>1, 2, 3, 4, 5</GeoTransform></PAMDataset>"));
    EXPECT_FALSE(ParsePam("<PAMDataset><GeoTransform>1, 2, 3, 4, 5, 6, 7</GeoTransform></PAMDataset>"));
    EXPECT_FALSE(ParsePam("<PAMDataset><GeoTransform>1, 2, x, 4, 5, 6</GeoTransform></PAMDataset>"));
    EXPECT_FALSE(ParsePam("<PAMDataset><GeoTransform>1, 2, nan, 4, 5, 6</GeoTransform></PAMDataset>"));
    EXPECT_FALSE(ParsePam("<PAMDataset><GeoTransform>1, 2, 3, 4, 5, 6"));
    EXPECT_FALSE(ParsePam("<Other><GeoTransform>1, 2, 3, 4, 5, 6</GeoTransform></Other>"));
    // A transform without a system is still a placement.
    const auto bare = ParsePam("<PAMDataset><GeoTransform>1,2,3,4,5,+6</GeoTransform></PAMDataset>");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->transform[5], 6.0);
    EXPECT_TRUE(bare->wkt.empty());
}

TEST(Georeference, PixelMappingsCutScaleAndTurn)
{
    Georeference g;
    g.transform = {1000.0, 10.0, 1.0, 5000.0, 2.0, -10.0};
    // Pixel (P, L) of the new raster is pixel (3 + 2P, 4 - L) of this one.
    const Georeference turned = g.ForPixels(3.0, 4.0, 2.0, -1.0);
    for (const auto [p, l] : {std::pair{0.0, 0.0}, std::pair{5.0, 7.0}}) {
        EXPECT_DOUBLE_EQ(turned.MapX(p, l), g.MapX(3.0 + 2.0 * p, 4.0 - l));
        EXPECT_DOUBLE_EQ(turned.MapY(p, l), g.MapY(3.0 + 2.0 * p, 4.0 - l));
    }
}

TEST(GeoreferenceFile, WrittenBesideTheRasterAndReadBackWithoutLeftovers)
{
    TestContext t;
    const std::string raster = t.dir.File("dem.tga");
    ASSERT_TRUE(SaveGeoreference(t.context, raster, Sample()));
    EXPECT_EQ(GeoreferencePath(raster), raster + ".aux.xml");
    EXPECT_EQ(ReadGeoreference(raster), Sample());
    Georeference moved = Sample();
    moved.transform[0] += 1.0;
    ASSERT_TRUE(SaveGeoreference(t.context, raster, moved));
    EXPECT_EQ(ReadGeoreference(raster), moved);
    // Only the profile and the auxiliary file: no temporary file stays.
    EXPECT_EQ(FolderEntries(t.dir.path()), (std::vector<std::string>{"dem.tga.aux.xml"}));
    EXPECT_TRUE(t.ui.shown.empty());
}

TEST(GeoreferenceFile, NoneAndYuvTargetsTakeAStaleFileAway)
{
    TestContext t;
    for (const std::string name : {"dem.tga", "frame.YUV"}) {
        const std::string raster = t.dir.File(name);
        WriteFileBytes(GeoreferencePath(raster), PamText(Sample()));
        const std::optional<Georeference> georeference =
            name == "dem.tga" ? std::nullopt : std::optional<Georeference>(Sample());
        ASSERT_TRUE(SaveGeoreference(t.context, raster, georeference)) << name;
        EXPECT_FALSE(std::filesystem::exists(GeoreferencePath(raster))) << name;
        EXPECT_FALSE(ReadGeoreference(raster)) << name;
    }
    // Nothing to remove is no failure either.
    EXPECT_TRUE(SaveGeoreference(t.context, t.dir.File("none.tga"), std::nullopt));
}

TEST(GeoreferenceFile, FailedWriteSaysSoAndLeavesNoFile)
{
    TestContext t;
    // A folder where the file should go cannot be replaced.
    const std::string raster = t.dir.File("dem.tga");
    std::filesystem::create_directories(GeoreferencePath(raster) + "/inside");
    EXPECT_FALSE(SaveGeoreference(t.context, raster, Sample()));
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_EQ(t.ui.shown[0].text, "Cannot write file '" + GeoreferencePath(raster) + "'.");
    EXPECT_EQ(FolderEntries(t.dir.path()), (std::vector<std::string>{"dem.tga.aux.xml"}));
    EXPECT_TRUE(std::filesystem::is_directory(GeoreferencePath(raster)));

    const std::string missingFolder = t.dir.File("no/such/dem.tga");
    EXPECT_FALSE(SaveGeoreference(t.context, missingFolder, Sample()));
    EXPECT_FALSE(std::filesystem::exists(t.dir.File("no")));
}

}  // namespace
}  // namespace vistagon::test
