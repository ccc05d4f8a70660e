#include "flight/PathCurve.h"

#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

namespace vistagon {
namespace {

struct Track {
    std::vector<CurvePoint> positions;
    std::vector<CurvePoint> moves;
    std::vector<double> curvatures;
};

// Every position the curve produces, starting from the origin as the flight does.
Track Fly(const std::vector<CurvePoint>& points, int total, CurveEnds ends = CurveEnds::Closed)
{
    PathCurve curve(points, total, ends);
    Track track;
    CurvePoint p, m;
    double k = 0.0;
    while (!curve.Step(p, m, k)) {
        track.positions.push_back(p);
        track.moves.push_back(m);
        track.curvatures.push_back(k);
    }
    return track;
}

double HeadingOf(const CurvePoint& move)
{
    return std::atan2(move.y, move.x) * 180.0 / 3.141592653589793;
}

double TurnBetween(double from, double to)
{
    double d = to - from;
    while (d > 180.0) d -= 360.0;
    while (d < -180.0) d += 360.0;
    return d;
}

TEST(PathCurve, ThreeFramesGiveTwoPositions)
{
    const Track track = Fly({{0, 0}, {100, 0}, {50, 80}}, 3);
    ASSERT_EQ(track.positions.size(), 2u);
    // The first position is the end of the segment before the first point.
    EXPECT_NEAR(track.positions[0].x, 0.0, 1e-9);
    EXPECT_NEAR(track.positions[0].y, 0.0, 1e-9);
}

TEST(PathCurve, FewerThanThreePointsAreRefused)
{
    EXPECT_THROW(PathCurve({{0, 0}, {10, 10}}, 10), std::invalid_argument);
}

TEST(PathCurve, SquareLoopPassesEveryCornerAndTurnsSmoothly)
{
    const std::vector<CurvePoint> square{{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    const int total = 33;
    const Track track = Fly(square, total);
    ASSERT_EQ(track.positions.size(), static_cast<size_t>(total - 1));
    // Equal chords: every eighth step lands on a corner.
    for (size_t corner = 0; corner < 4; ++corner) {
        EXPECT_NEAR(track.positions[corner * 8].x, square[corner].x, 1e-6);
        EXPECT_NEAR(track.positions[corner * 8].y, square[corner].y, 1e-6);
    }
    // The last position lies one step before the first point: the loop closes.
    const CurvePoint& last = track.positions.back();
    const double gap = std::hypot(last.x - square[0].x, last.y - square[0].y);
    const double stride = std::hypot(track.moves[5].x, track.moves[5].y);
    EXPECT_NEAR(gap, stride, 0.35 * stride);

    // The heading never jumps, and one lap turns once around.
    double turned = 0.0;
    for (size_t i = 2; i < track.moves.size(); ++i) {
        const double turn = TurnBetween(HeadingOf(track.moves[i - 1]), HeadingOf(track.moves[i]));
        EXPECT_LT(std::fabs(turn), 25.0) << "step " << i;
        turned += turn;
    }
    const CurvePoint closing{square[0].x - last.x, square[0].y - last.y};
    turned += TurnBetween(HeadingOf(track.moves.back()), HeadingOf(closing));
    turned += TurnBetween(HeadingOf(closing), HeadingOf(track.moves[1]));
    EXPECT_NEAR(turned, 360.0, 1e-6);
    // A counter-clockwise loop curves to the left throughout.
    for (size_t i = 10; i < track.curvatures.size(); ++i) EXPECT_GT(track.curvatures[i], 0.0);
}

TEST(PathCurve, CollinearPointsKeepTheCurveOnTheirLine)
{
    // Chords 10, 10, 10, 10, 40, 40, 40: with 121 frames a step is 4/3, so the
    // first 30 positions run along the bottom line.
    const std::vector<CurvePoint> points{{0, 0}, {10, 0}, {20, 0}, {30, 0}, {40, 0}, {40, 40}, {0, 40}};
    const Track track = Fly(points, 121);
    ASSERT_EQ(track.positions.size(), 120u);
    for (size_t i = 0; i < 30; ++i) {
        EXPECT_EQ(track.positions[i].y, 0.0) << i;
        if (i > 0) EXPECT_GT(track.positions[i].x, track.positions[i - 1].x) << i;
    }
    // The middle point (20, 0) has no tangent, so equal parameter steps bunch up there.
    const double nearMiddle = track.positions[15].x - track.positions[14].x;
    const double nearStart = track.positions[4].x - track.positions[3].x;
    EXPECT_NEAR(nearStart, 4.0 / 3.0, 1e-9);
    EXPECT_LT(nearMiddle, 0.5 * nearStart);
}

TEST(PathCurve, RepeatedPointsGiveNoNaN)
{
    const Track track = Fly({{0, 0}, {50, 0}, {50, 0}, {50, 50}, {0, 50}}, 40);
    ASSERT_FALSE(track.positions.empty());
    for (size_t i = 0; i < track.positions.size(); ++i) {
        EXPECT_TRUE(std::isfinite(track.positions[i].x) && std::isfinite(track.positions[i].y)) << i;
        EXPECT_TRUE(std::isfinite(track.curvatures[i])) << i;
        EXPECT_FALSE(track.moves[i].x == 0.0 && track.moves[i].y == 0.0) << i;
    }
}

TEST(PathCurve, AnOpenCurveRunsFromTheFirstPointToTheLastWithoutTurningBack)
{
    // An L: along +x, then up +y; chords 100 and 100, so 41 positions put
    // the corner on position 20.
    const std::vector<CurvePoint> points{{0, 0}, {50, 0}, {100, 0}, {100, 50}, {100, 100}};
    const Track track = Fly(points, 41, CurveEnds::Open);
    ASSERT_EQ(track.positions.size(), 41u);
    EXPECT_EQ(track.positions.front().x, 0.0);
    EXPECT_EQ(track.positions.front().y, 0.0);
    EXPECT_NEAR(track.positions.back().x, 100.0, 1e-9);
    EXPECT_NEAR(track.positions.back().y, 100.0, 1e-9);
    EXPECT_NEAR(track.positions[20].x, 100.0, 1e-9);
    EXPECT_NEAR(track.positions[20].y, 0.0, 1e-9);
    // The padded ends keep the first and last stretches on their chords, and
    // the camera never heads back toward the start.
    for (size_t i = 1; i < 20; ++i) {
        EXPECT_NEAR(track.positions[i].y, 0.0, 1e-9) << i;
        EXPECT_GT(track.moves[i].x, 0.0) << i;
    }
    for (size_t i = 22; i < track.positions.size(); ++i) {
        EXPECT_NEAR(track.positions[i].x, 100.0, 1e-9) << i;
        EXPECT_GT(track.moves[i].y, 0.0) << i;
    }
}

TEST(PathCurve, OpenAndClosedCurvesThroughTheSamePointsDifferOnlyAtTheEnds)
{
    const std::vector<CurvePoint> points{{0, 0}, {40, 10}, {80, 0}, {120, 10}, {160, 0}, {200, 10}, {240, 0}};
    const Track open = Fly(points, 200, CurveEnds::Open);
    const Track closed = Fly(points, 200, CurveEnds::Closed);
    // The loop adds the closing chord to its length: compare the middle
    // segment point by point at the same chord position.
    PathCurve openCurve(points, 200, CurveEnds::Open);
    PathCurve closedCurve(points, 200, CurveEnds::Closed);
    EXPECT_LT(openCurve.Length(), closedCurve.Length());
    EXPECT_NEAR(openCurve.Length() + std::hypot(240.0, 0.0), closedCurve.Length(), 1e-9);
    EXPECT_EQ(open.positions.size(), 200u);
    EXPECT_EQ(closed.positions.size(), 199u);
    for (const CurvePoint& p : open.positions) {
        EXPECT_GE(p.x, -1e-9);
        EXPECT_LE(p.x, 240.0 + 1e-9);
    }
}

}  // namespace
}  // namespace vistagon
