#include "flight/FlightSecurityDefaults.h"
#include "flight/PolylineDistance.h"
#include "flight/TrackReduction.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

std::vector<CurvePoint> Zigzag()
{
    return {{0, 0}, {10, 0.2}, {20, -0.1}, {30, 8}, {40, 0}, {50, 0.3}, {60, 0}};
}

TEST(TrackReduction, DouglasPeuckerKeepsTheEndsAndTheVerticesBeyondTheTolerance)
{
    EXPECT_EQ(DouglasPeucker(Zigzag(), 1.0), (std::vector<size_t>{0, 2, 3, 4, 6}));
    EXPECT_EQ(DouglasPeucker(Zigzag(), 10.0), (std::vector<size_t>{0, 6}));
    EXPECT_EQ(DouglasPeucker(Zigzag(), 0.0).size(), 7u);
    EXPECT_EQ(DouglasPeucker({{1, 1}, {2, 2}}, 5.0), (std::vector<size_t>{0, 1}));
}

TEST(TrackReduction, TheCountNeverExceedsTheLimitAndTheDistanceIsTheCurvesOwn)
{
    std::vector<CurvePoint> spiral;
    for (int i = 0; i < 3000; ++i) {
        const double a = i * 0.01;
        spiral.push_back(CurvePoint{300 + (20 + 8 * a) * std::cos(a), 300 + (20 + 8 * a) * std::sin(a)});
    }
    const ReducedTrack many = ReduceTrack(spiral, 100, CurveEnds::Open);
    const ReducedTrack few = ReduceTrack(spiral, 30, CurveEnds::Open);
    EXPECT_LE(many.points.size(), 100u);
    EXPECT_GE(many.points.size(), 90u);  // the search spends the points it may
    EXPECT_LE(few.points.size(), 30u);
    EXPECT_LT(many.largestDistance, few.largestDistance);
    // The reported distance covers every vertex of the track.
    const PolylineDistance curve(FlownCurve(many.points, CurveEnds::Open));
    for (size_t i = 0; i < spiral.size(); i += 7) EXPECT_LE(curve.To(spiral[i]), many.largestDistance + 1e-9) << i;
    EXPECT_EQ(many.points.front(), (PathPoint{320, 300}));
}

TEST(TrackReduction, AStraightTrackStillGetsThreePointsAndAClosedOneNoRepeatedEnd)
{
    const ReducedTrack line = ReduceTrack({{0, 0}, {10, 0}, {20, 0}, {30, 0}, {100, 0}}, 100, CurveEnds::Open);
    EXPECT_EQ(line.points, (std::vector<PathPoint>{{0, 0}, {30, 0}, {100, 0}}));
    EXPECT_NEAR(line.largestDistance, 0.0, 1e-9);

    std::vector<CurvePoint> square{{0, 0}, {50, 0}, {50, 50}, {0, 50}, {0, 0}};
    EXPECT_EQ(EndsOfTrack(square), CurveEnds::Closed);
    const ReducedTrack loop = ReduceTrack(square, 100, CurveEnds::Closed);
    EXPECT_EQ(loop.points, (std::vector<PathPoint>{{0, 0}, {50, 0}, {50, 50}, {0, 50}}));
    square.back() = CurvePoint{0, 5};  // a gap of 5 in 195: more than 2%
    EXPECT_EQ(EndsOfTrack(square), CurveEnds::Open);
    square.back() = CurvePoint{0, 3.8};
    EXPECT_EQ(EndsOfTrack(square), CurveEnds::Closed);
}

TEST(FlightSecurityDefaults, OnlyUnsetValuesAreFilledAndTheSharpestTurnBanksThirtyDegrees)
{
    SceneParameters scene = SceneParameters::NewScene();
    scene.Total = 200;
    const std::vector<CurvePoint> bend{{0, 0}, {400, 0}, {600, 200}, {600, 600}};
    const std::vector<std::string> set = FillFlightSecurity(scene, bend, CurveEnds::Open, 200.0);
    EXPECT_EQ(set.size(), 3u);
    EXPECT_EQ(scene.AverageHeight, 50.0);  // a quarter of the relief
    EXPECT_EQ(scene.PreviewRange, 8.0);    // one smoothing window of Total / 25
    EXPECT_GT(scene.RollFactor, 0.0);
    EXPECT_EQ(set[0], "AverageHeight=50");

    // Flown as the flight flies it, the largest bank is about 30 degrees.
    PathCurve curve(bend, scene.Total, CurveEnds::Open);
    CurvePoint p, m;
    double k = 0.0, largest = 0.0;
    curve.Step(p, m, k);
    for (int i = 0; !curve.Step(p, m, k); ++i)
        if (i > 0) largest = std::max(largest, std::atan(std::fabs(k) * scene.RollFactor) * 180.0 / 3.141592653589793);
    EXPECT_NEAR(largest, 30.0, 2.0);  // the factor keeps two figures

    SceneParameters kept = scene;
    kept.AverageHeight = 12.5;
    EXPECT_TRUE(FillFlightSecurity(kept, bend, CurveEnds::Open, 200.0).empty());
    EXPECT_EQ(kept.AverageHeight, 12.5);
    // Flat ground and a short track: the height has a floor of 10.
    SceneParameters flat = SceneParameters::NewScene();
    flat.Total = 50;
    FillFlightSecurity(flat, {{0, 0}, {40, 0}, {40, 40}}, CurveEnds::Open, 0.0);
    EXPECT_EQ(flat.AverageHeight, 10.0);
    EXPECT_EQ(flat.PreviewRange, 2.0);
}

}  // namespace
}  // namespace vistagon
