#include "flight/PolylineDistance.h"
#include "import/gdal/TrackImport.h"
#include "import/gdal/TrackTestFiles.h"
#include "scene/SceneScript.h"
#include "support/CliRunner.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vistagon::test {
namespace {

constexpr int kWidth = 200, kHeight = 150;
constexpr int kUtm33 = 32633, kWgs84 = 4326;
constexpr std::array<double, 6> kUtm{500000.0, 30.0, 0.0, 5000000.0, 0.0, -30.0};

// Picture pixels (centres whole, y down) to the picture's UTM coordinates.
std::vector<CurvePoint> ToMap(const std::vector<CurvePoint>& pixels)
{
    std::vector<CurvePoint> map;
    for (const CurvePoint& p : pixels) map.push_back(CurvePoint{kUtm[0] + 30.0 * (p.x + 0.5), kUtm[3] - 30.0 * (p.y + 0.5)});
    return map;
}

// A winding track from the south-west of the picture to its north-east.
std::vector<CurvePoint> Winding(int vertices)
{
    std::vector<CurvePoint> track;
    for (int i = 0; i < vertices; ++i) {
        const double t = static_cast<double>(i) / (vertices - 1);
        track.push_back(CurvePoint{20.0 + 160.0 * t + 12.0 * std::sin(t * 9.0), 130.0 - 110.0 * t + 8.0 * std::cos(t * 13.0)});
    }
    return track;
}

std::vector<CurvePoint> Circle(int vertices)
{
    std::vector<CurvePoint> track;
    for (int i = 0; i <= vertices; ++i) {
        const double a = 2.0 * 3.141592653589793 * i / vertices;
        track.push_back(CurvePoint{100.0 + 50.0 * std::cos(a), 75.0 + 50.0 * std::sin(a)});
    }
    return track;
}

PathPoint Rounded(const CurvePoint& p)
{
    return PathPoint{static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
}

class TrackImportTest : public ::testing::Test {
protected:
    TrackImportTest() { WriteGeoreferencedPicture(t.context, picture, kWidth, kHeight, kUtm, kUtm33); }

    TrackImport Import(const std::string& track, int border = 0)
    {
        TrackImportRequest request;
        request.trackPath = track;
        request.picturePath = picture;
        request.border = border;
        return ImportTrack(request);
    }

    TestContext t;
    std::string picture = t.dir.File("ortho.tga");
};

TEST_F(TrackImportTest, AGpxTrackInWgs84LandsOnTheUtmPicturesPixels)
{
    const std::vector<CurvePoint> pixels = Winding(60);
    const std::string gpx = t.dir.File("hike.gpx");
    WriteTrackFile(gpx, "GPX", Reproject(ToMap(pixels), kUtm33, kWgs84), kWgs84);
    const TrackImport track = Import(gpx);
    ASSERT_FALSE(track.error) << *track.error;
    ASSERT_EQ(track.trackPixels.size(), pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i) {
        EXPECT_NEAR(track.trackPixels[i].x, pixels[i].x, 1e-3) << i;
        EXPECT_NEAR(track.trackPixels[i].y, pixels[i].y, 1e-3) << i;
    }
    EXPECT_EQ(track.layerName, "tracks");
    EXPECT_EQ(track.ends, CurveEnds::Open);
    EXPECT_EQ(track.path.points.front(), Rounded(pixels.front()));
    EXPECT_EQ(track.path.points.back(), Rounded(pixels.back()));
    EXPECT_NEAR(track.metresPerPixel, 30.0, 1e-9);
    EXPECT_NEAR(track.lengthMetres, 30.0 * PolylineLength(pixels), 0.5);
    const std::string summary = TrackSummaryText(track);
    EXPECT_NE(summary.find("path: " + std::to_string(track.path.points.size()) + " points, open"), std::string::npos) << summary;
    EXPECT_NE(summary.find("  Punkt00 " + std::to_string(track.path.points[0].x) + ","), std::string::npos);
}

TEST_F(TrackImportTest, AKmlLoopBecomesAClosedPathWithoutARepeatedEnd)
{
    const std::string kml = t.dir.File("loop.kml");
    WriteTrackFile(kml, "KML", Reproject(ToMap(Circle(90)), kUtm33, kWgs84), kWgs84);
    const TrackImport track = Import(kml);
    ASSERT_FALSE(track.error) << *track.error;
    EXPECT_EQ(track.ends, CurveEnds::Closed);
    ASSERT_GE(track.path.points.size(), 3u);
    EXPECT_FALSE(track.path.points.front() == track.path.points.back());
    EXPECT_LT(track.path.largestDistance, 1.5);
    EXPECT_NEAR(track.lengthMetres, 30.0 * 2.0 * 3.141592653589793 * 50.0, 30.0);
}

TEST_F(TrackImportTest, FiveThousandVerticesKeepAHundredPointsWithinTheReportedDistance)
{
    const std::vector<CurvePoint> pixels = Winding(5000);
    const std::string json = t.dir.File("long.geojson");
    WriteTrackFile(json, "GeoJSON", ToMap(pixels), kUtm33);
    const TrackImport track = Import(json);
    ASSERT_FALSE(track.error) << *track.error;
    for (size_t i = 0; i < pixels.size(); i += 499) EXPECT_NEAR(track.trackPixels[i].x, pixels[i].x, 1e-6);
    ASSERT_LE(track.path.points.size(), 100u);
    EXPECT_GE(track.path.points.size(), 20u);
    EXPECT_GT(track.path.largestDistance, 0.0);
    EXPECT_LT(track.path.largestDistance, 2.0);

    // Fly the curve through the kept points finely and find every vertex near it.
    std::vector<CurvePoint> knots;
    for (const PathPoint& p : track.path.points) knots.push_back(CurvePoint{double(p.x), double(p.y)});
    PathCurve curve(knots, 4000, CurveEnds::Open);
    std::vector<CurvePoint> samples;
    CurvePoint p, m;
    double k = 0.0;
    while (!curve.Step(p, m, k)) samples.push_back(p);
    double spacing = 0.0;
    for (size_t i = 1; i < samples.size(); ++i)
        spacing = std::max(spacing, std::hypot(samples[i].x - samples[i - 1].x, samples[i].y - samples[i - 1].y));
    double farthest = 0.0;
    for (const CurvePoint& v : pixels) {
        double nearest = 1e30;
        for (const CurvePoint& s : samples) nearest = std::min(nearest, std::hypot(v.x - s.x, v.y - s.y));
        farthest = std::max(farthest, nearest);
    }
    EXPECT_LE(farthest, track.path.largestDistance + spacing / 2.0 + 1e-9);
    EXPECT_GT(farthest, 0.5 * track.path.largestDistance);

    // Fewer points stray farther, but never more than asked.
    TrackImportRequest fewer{json, "", picture, 0, 12, std::nullopt};
    const TrackImport coarse = ImportTrack(fewer);
    ASSERT_FALSE(coarse.error);
    EXPECT_LE(coarse.path.points.size(), 12u);
    EXPECT_GT(coarse.path.largestDistance, track.path.largestDistance);
}

TEST_F(TrackImportTest, ATrackLeavingThePictureIsRefusedSayingByHowMuch)
{
    std::vector<CurvePoint> pixels = Winding(40);
    pixels.push_back(CurvePoint{kWidth - 0.5 + 10.0, 20.0});  // ten pixels beyond the right edge
    const std::string json = t.dir.File("out.geojson");
    WriteTrackFile(json, "GeoJSON", ToMap(pixels), kUtm33);
    const TrackImport outside = Import(json);
    ASSERT_TRUE(outside.error);
    EXPECT_NE(outside.error->find("leaves the picture (200 x 150 pixels with a border of 0) by up to 10.0 pixels (300 m)"),
              std::string::npos) << *outside.error;
    EXPECT_TRUE(outside.path.points.empty());
    // The path editor's border takes it in.
    EXPECT_FALSE(Import(json, 10).error);
}

TEST_F(TrackImportTest, MissingLinesSystemsAndGeoreferencingAreNamed)
{
    const std::string empty = t.dir.File("empty.gpkg");
    WriteTrackFile(empty, "GPKG", {}, kUtm33);
    const TrackImport none = Import(empty);
    ASSERT_TRUE(none.error);
    EXPECT_NE(none.error->find("holds no line"), std::string::npos) << *none.error;

    const std::string shp = t.dir.File("plain.shp");
    WriteTrackFile(shp, "ESRI Shapefile", ToMap(Winding(10)), 0);
    const TrackImport unplaced = Import(shp);
    ASSERT_TRUE(unplaced.error);
    EXPECT_NE(unplaced.error->find("has no coordinate system"), std::string::npos) << *unplaced.error;

    const std::string json = t.dir.File("ok.geojson");
    WriteTrackFile(json, "GeoJSON", ToMap(Winding(10)), kUtm33);
    std::filesystem::remove(picture + ".aux.xml");
    const TrackImport bare = Import(json);
    ASSERT_TRUE(bare.error);
    EXPECT_NE(bare.error->find("has no georeferencing"), std::string::npos) << *bare.error;
}

TEST_F(TrackImportTest, PictureCoordinatesTurnBackIntoMapCoordinates)
{
    const auto georeference = PictureGeoreference::Read(picture);
    ASSERT_TRUE(georeference);
    const CurvePoint corner = georeference->MapAt(-0.5, -0.5);
    EXPECT_DOUBLE_EQ(corner.x, 500000.0);
    EXPECT_DOUBLE_EQ(corner.y, 5000000.0);
    const CurvePoint centre = georeference->MapAt(10.0, 20.0);
    EXPECT_DOUBLE_EQ(centre.x, 500000.0 + 30.0 * 10.5);
    EXPECT_DOUBLE_EQ(centre.y, 5000000.0 - 30.0 * 20.5);
    EXPECT_FALSE(georeference->geographic());
    std::filesystem::remove(picture + ".aux.xml");
    EXPECT_FALSE(PictureGeoreference::Read(picture));
}

class ScenePathCommandTest : public TrackImportTest {
protected:
    ScenePathCommandTest()
    {
        SceneParameters s = LoadDefaults();
        s.ElevationFileName = picture;
        s.OutputFileName = t.dir.File("f%03d.tga");
        s.Total = 50;
        s.To = 49;
        EXPECT_TRUE(SaveScene(t.context, s, scene));
        WriteTrackFile(gpx, "GPX", Reproject(ToMap(Winding(300)), kUtm33, kWgs84), kWgs84);
    }
    CliResult Path(std::vector<std::string> words)
    {
        words.insert(words.begin(), {"--profile", t.dir.File("profile.ini"), "scene", "path", scene});
        return RunCli(words);
    }
    SceneParameters Load()
    {
        SceneParameters s;
        EXPECT_TRUE(LoadScene(scene, s));
        return s;
    }

    std::string scene = t.dir.File("s.vgs");
    std::string gpx = t.dir.File("hike.gpx");
};

TEST_F(ScenePathCommandTest, TheTrackBecomesAnOpenFlightWithFlightSecurity)
{
    const CliResult r = Path({"--track", gpx, "--points", "40"});
    ASSERT_EQ(r.status, 0) << r.err;
    const SceneParameters s = Load();
    EXPECT_EQ(s.PathType, SceneParameters::kOpenCurve);
    EXPECT_LE(s.PathPointCount(), 40);
    EXPECT_GE(s.PathPointCount(), 10);
    EXPECT_EQ(s.PathPoints[0], Rounded(Winding(300).front()));
    EXPECT_GT(s.AverageHeight, 0.0);
    EXPECT_GT(s.PreviewRange, 0.0);
    EXPECT_GT(s.RollFactor, 0.0);
    EXPECT_NE(r.out.find("set AverageHeight="), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("saved " + scene), std::string::npos);

    // Values the scene has are kept; --closed overrides the track's open ends.
    ASSERT_EQ(RunCli({"scene", "set", scene, "AverageHeight=77"}).status, 0);
    const CliResult closed = Path({"--track", gpx, "--closed"});
    ASSERT_EQ(closed.status, 0) << closed.err;
    EXPECT_EQ(closed.out.find("set AverageHeight="), std::string::npos);
    EXPECT_EQ(Load().AverageHeight, 77.0);
    EXPECT_EQ(Load().PathType, SceneParameters::kClosedCurve);
    EXPECT_LE(Load().PathPointCount(), 100);
}

TEST_F(ScenePathCommandTest, FailuresLeaveTheSceneAsItWas)
{
    const std::string before = ReadFileBytes(scene);
    const std::string empty = t.dir.File("empty.gpkg");
    WriteTrackFile(empty, "GPKG", {}, kUtm33);
    EXPECT_EQ(Path({"--track", empty}).status, 1);
    EXPECT_EQ(Path({"--track", t.dir.File("none.gpx")}).status, 1);
    EXPECT_EQ(Path({"--track", gpx, "--layer", "routes"}).status, 1);
    EXPECT_EQ(Path({"--track", gpx, "--points", "101"}).status, 2);
    EXPECT_EQ(Path({"--track", gpx, "--open", "--closed"}).status, 2);
    EXPECT_EQ(Path({}).status, 2);
    std::filesystem::remove(picture + ".aux.xml");
    const CliResult bare = Path({"--track", gpx});
    EXPECT_EQ(bare.status, 1);
    EXPECT_NE(bare.err.find("has no georeferencing"), std::string::npos) << bare.err;
    EXPECT_EQ(ReadFileBytes(scene), before);
}

}  // namespace
}  // namespace vistagon::test
