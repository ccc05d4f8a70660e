#include "image/GeoreferenceFile.h"
#include "import/usgsdem/DemText.h"
#include "import/usgsdem/UsgsDemJob.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vistagon {
namespace {

using test::DemText;

class AcceptingFeedback : public UsgsDemFeedback {
public:
    bool ConfirmHeader(const std::string&, const std::vector<std::string>&) override { return true; }
    bool ContinueChecking(const std::string&) override { return true; }
    void ShowCurrentFile(const std::string&) override {}
};

constexpr size_t kSystemField = 156;
constexpr size_t kZoneField = 162;
constexpr size_t kDatumField = 890;

// A UTM file of three profiles of three posts, 10 m apart, from (x, y); the
// corners may lie off the posts' grid.
DemText UtmDem(int zone, int datum, double x, double y, double minX, double minY)
{
    DemText dem;
    dem.Put(kSystemField, DemText::Int(1, 6)).Put(kZoneField, DemText::Int(zone, 6)).Put(kDatumField, DemText::Int(datum, 2));
    dem.GroundUnits(2).Corners(minX, minY, minX + 30.0, minY + 30.0).Resolution(10, 10).Profiles(3);
    for (int j = 0; j < 3; ++j) dem.Profile(j + 1, x + 10.0 * j, y, {"1", "2", "3"});
    return dem;
}

DemText ArcSecondDem(double west, double south, int datum)
{
    DemText dem;
    dem.Put(kDatumField, DemText::Int(datum, 2));
    dem.GroundUnits(DemHeader::kArcSeconds).Corners(west, south, west + 12.0, south + 12.0).Resolution(3, 3).Profiles(5);
    for (int j = 0; j < 5; ++j) dem.Profile(j + 1, west + 3.0 * j, south, {"1", "2", "3", "4", "5"});
    return dem;
}

struct DemImport {
    test::TestContext t;
    AcceptingFeedback feedback;
    UsgsDemOptions options;

    DemImport()
    {
        options.targetPath = t.dir.File("out.tga");
        // A file from an earlier import lies beside the target.
        Georeference old;
        old.transform[0] = -1.0;
        EXPECT_TRUE(SaveGeoreference(t.context, options.targetPath, old));
    }
    void Add(const DemText& dem)
    {
        const std::string path = t.dir.File("in" + std::to_string(options.sourcePaths.size()) + ".dem");
        test::WriteFileBytes(path, dem.Text());
        options.sourcePaths.push_back(path);
    }
    std::optional<Georeference> Run()
    {
        UsgsDemJob job(t.context, options, feedback);
        EXPECT_TRUE(job.Run());
        return ReadGeoreference(options.targetPath);
    }
};

TEST(DemGeoreference, ArcSecondsMergeIntoDegreesCentredOnThePosts)
{
    DemImport i;
    i.Add(ArcSecondDem(-36000.0, 180000.0, 0));  // a blank datum
    i.Add(ArcSecondDem(-35988.0, 180006.0, 1));  // NAD27 named
    const std::optional<Georeference> g = i.Run();
    ASSERT_TRUE(g);
    // 24" x 18" at 3": 8 x 6 pixels, the western post at the centre of column 0,
    // the row below the northern corner at the centre of GDAL's first row.
    EXPECT_DOUBLE_EQ(g->transform[0], (-36000.0 - 1.5) / 3600.0);
    EXPECT_DOUBLE_EQ(g->transform[1], 3.0 / 3600.0);
    EXPECT_DOUBLE_EQ(g->transform[3], (180000.0 + 5.5 * 3.0) / 3600.0);
    EXPECT_DOUBLE_EQ(g->transform[5], -3.0 / 3600.0);
    EXPECT_EQ(g->wkt.rfind("GEOGCS[\"NAD27\",DATUM[\"North_American_Datum_1927\"", 0), 0u) << g->wkt;
    EXPECT_EQ(g->axisMapping, "2,1");
}

TEST(DemGeoreference, UtmPostsOffTheCornerGridKeepTheirOwnGrid)
{
    DemImport i;
    // Corners 3.5 m west and 2 m south of the first post.
    i.Add(UtmDem(33, 4, 500000.0, 4000000.0, 499996.5, 3999998.0));
    const std::optional<Georeference> g = i.Run();
    ASSERT_TRUE(g);
    // Column 0 is centred on the first profile, GDAL's first row on the third post.
    EXPECT_DOUBLE_EQ(g->transform[0], 499995.0);
    EXPECT_DOUBLE_EQ(g->transform[3], 4000025.0);
    EXPECT_NE(g->wkt.find("PROJCS[\"NAD83 / UTM zone 33N\""), std::string::npos) << g->wkt;
    EXPECT_NE(g->wkt.find("PARAMETER[\"central_meridian\",15]"), std::string::npos);
    EXPECT_EQ(g->axisMapping, "1,2");

    DemImport south;
    south.Add(UtmDem(-56, 3, 500000.0, 4000000.0, 500000.0, 4000000.0));
    const std::optional<Georeference> s = south.Run();
    ASSERT_TRUE(s);
    EXPECT_NE(s->wkt.find("PROJCS[\"WGS 84 / UTM zone 56S\""), std::string::npos) << s->wkt;
    EXPECT_NE(s->wkt.find("PARAMETER[\"false_northing\",10000000]"), std::string::npos);
}

TEST(DemGeoreference, UnknownOrMixedSystemsWriteNoneAndTakeTheOldFileAway)
{
    DemImport statePlane;
    DemText dem = UtmDem(3101, 1, 500000.0, 4000000.0, 500000.0, 4000000.0);
    dem.Put(kSystemField, DemText::Int(2, 6));
    statePlane.Add(dem);
    EXPECT_FALSE(statePlane.Run());
    EXPECT_FALSE(std::filesystem::exists(GeoreferencePath(statePlane.options.targetPath)));

    DemImport hawaii;
    hawaii.Add(UtmDem(4, 5, 500000.0, 4000000.0, 500000.0, 4000000.0));
    EXPECT_FALSE(hawaii.Run());

    DemImport mixed;
    mixed.Add(ArcSecondDem(-36000.0, 180000.0, 1));
    mixed.Add(ArcSecondDem(-35988.0, 180000.0, 3));  // WGS 84 beside NAD27
    EXPECT_FALSE(mixed.Run());
    EXPECT_TRUE(std::filesystem::exists(mixed.options.targetPath));
}

}  // namespace
}  // namespace vistagon
