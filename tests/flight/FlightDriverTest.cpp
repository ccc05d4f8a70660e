#include "TerrainFixture.h"
#include "flight/CurvedFlight.h"
#include "flight/StraightFlight.h"
#include "support/ScriptedInteraction.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::MakeTerrain;
using test::TestContext;

void ExpectSameCamera(const FrameCamera& a, const FrameCamera& b)
{
    EXPECT_EQ(a.position.x, b.position.x);
    EXPECT_EQ(a.position.y, b.position.y);
    EXPECT_EQ(a.position.z, b.position.z);
    EXPECT_EQ(a.heading, b.heading);
    EXPECT_EQ(a.pitch, b.pitch);
    EXPECT_EQ(a.focalLength, b.focalLength);
    EXPECT_EQ(a.roll, b.roll);
    EXPECT_EQ(a.zScale, b.zScale);
    EXPECT_EQ(a.dustDistance, b.dustDistance);
}

JobScript StraightScript(int total)
{
    JobScript script;
    SceneParameters& s = script.values;
    s = SceneParameters::NewScene();
    s.Total = total;
    s.From = 0;
    s.To = total - 1;
    s.XA = 0; s.XZ = 100; s.YA = 10; s.YZ = -30; s.ZA = 150; s.ZZ = 90;
    s.HeadingA = 10; s.HeadingZ = 200; s.PitchA = -10; s.PitchZ = -40;
    s.FocalLengthA = 200; s.FocalLengthZ = 400; s.RollA = 0; s.RollZ = 15;
    s.ElevScaleZA = 0.1; s.ElevScaleZZ = 0.3; s.DustA = 1000; s.DustZ = 50;
    return script;
}

class StraightFlightTest : public ::testing::Test {
protected:
    TestContext t;
    std::unique_ptr<ElevationGrid> terrain = MakeTerrain(t.context, 64, 64, [](int, int) { return 1000; });
};

TEST_F(StraightFlightTest, AFrameRangeGivesTheFramesOfTheFullRun)
{
    JobScript script = StraightScript(11);
    script.values.Smoothness = 0.5;
    const FlightPlan full = FlyStraight(script, *terrain);
    ASSERT_EQ(full.size(), 11u);
    script.values.From = 3;
    script.values.To = 5;
    const FlightPlan part = FlyStraight(script, *terrain);
    ASSERT_EQ(part.size(), 3u);
    for (size_t i = 0; i < part.size(); ++i) {
        EXPECT_EQ(part[i].index, static_cast<int>(i) + 3);
        ExpectSameCamera(part[i].camera, full[i + 3].camera);
        EXPECT_EQ(part[i].record.relativeAltitude, full[i + 3].record.relativeAltitude);
    }
}

TEST_F(StraightFlightTest, SmoothnessEasesThePositions)
{
    JobScript script = StraightScript(11);
    script.values.Smoothness = 1.0;
    const FlightPlan plan = FlyStraight(script, *terrain);
    EXPECT_NEAR(plan[1].camera.position.x, 2.4186, 1e-4);
    EXPECT_NEAR(plan[5].camera.position.x, 50.0, 1e-12);
    EXPECT_NEAR(plan[9].camera.position.x, 97.5814, 1e-4);
    script.values.Smoothness = 0.0;
    const FlightPlan linear = FlyStraight(script, *terrain);
    for (int i = 0; i < 11; ++i) EXPECT_NEAR(linear[static_cast<size_t>(i)].camera.position.x, 10.0 * i, 1e-12);
}

TEST_F(StraightFlightTest, EndFramesTakeTheKeyValues)
{
    JobScript one = StraightScript(1);
    const FlightPlan still = FlyStraight(one, *terrain);
    ASSERT_EQ(still.size(), 1u);
    EXPECT_EQ(still[0].camera.position.x, 0.0);
    EXPECT_EQ(still[0].camera.heading, 10.0);
    EXPECT_EQ(still[0].camera.dustDistance, 1000.0);

    JobScript two = StraightScript(2);
    two.values.Smoothness = 0.7;
    const FlightPlan pair = FlyStraight(two, *terrain);
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_NEAR(pair[1].camera.position.x, 100.0, 1e-12);
    EXPECT_NEAR(pair[1].camera.focalLength, 400.0, 1e-12);
    EXPECT_NEAR(pair[1].camera.zScale, 0.3, 1e-15);
    EXPECT_NEAR(pair[1].camera.roll, 15.0, 1e-12);
}

TEST_F(StraightFlightTest, StraightDownPitchIsReplaced)
{
    JobScript script = StraightScript(5);
    script.values.PitchA = -90.0;
    script.values.PitchZ = -90.0;
    for (const PlannedFrame& frame : FlyStraight(script, *terrain)) EXPECT_DOUBLE_EQ(frame.camera.pitch, -89.99);
    EXPECT_EQ(UsablePitch(-89.0), -89.0);
}

TEST_F(StraightFlightTest, RecorderMeasuresHeightAboveTheFramesTerrain)
{
    JobScript script = StraightScript(3);
    script.values.XA = script.values.XZ = 20;
    script.values.YA = script.values.YZ = 20;
    script.values.ZA = script.values.ZZ = 150;
    const FlightPlan plan = FlyStraight(script, *terrain);
    // z scale 0.1, 0.2, 0.3 over terrain 1000: ground 100, 200, 300.
    EXPECT_NEAR(plan[0].record.relativeAltitude, 50.0, 1e-9);
    EXPECT_NEAR(plan[2].record.relativeAltitude, -150.0, 1e-9);
    EXPECT_EQ(plan[1].record.curvature, 0.0);
    EXPECT_EQ(plan[1].record.altitude, 150.0);

    script.values.XA = script.values.XZ = -5;  // outside the grid the ground is 0
    EXPECT_EQ(FlyStraight(script, *terrain)[1].record.relativeAltitude, 150.0);
}

// A square loop inside a 200 x 200 terrain.
JobScript CurvedScript(int total)
{
    JobScript script;
    SceneParameters& s = script.values;
    s = SceneParameters::NewScene();
    s.PathType = 1;
    s.Total = total;
    s.From = 0;
    s.To = total - 1;
    s.AverageHeight = 50;
    s.PreviewRange = 3;
    s.RollFactor = 200;
    s.PitchA = -20;
    s.FocalLengthA = 300;
    s.ElevScaleZA = s.ElevScaleZZ = 1.0;
    script.pathPoints = {{50, 150}, {150, 150}, {150, 50}, {50, 50}};
    return script;
}

class CurvedFlightTest : public ::testing::Test {
protected:
    TestContext t;
};

TEST_F(CurvedFlightTest, ThreeFramesGiveTwoPositions)
{
    auto terrain = MakeTerrain(t.context, 200, 200, [](int, int) { return 0; });
    JobScript script = CurvedScript(3);
    script.values.To = 2;
    const FlightPlan plan = FlyCurved(script, *terrain);
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(plan[0].index, 0);
    EXPECT_EQ(plan[1].index, 1);
    // Stored y counts down from the top edge.
    EXPECT_DOUBLE_EQ(plan[0].camera.position.x, 50.0);
    EXPECT_DOUBLE_EQ(plan[0].camera.position.y, 200.0 - 150.0);
}

TEST_F(CurvedFlightTest, FlatGroundSettlesAtTheAverageHeightAndBasePitch)
{
    auto terrain = MakeTerrain(t.context, 200, 200, [](int, int) { return 200; });
    const FlightPlan plan = FlyCurved(CurvedScript(100), *terrain);
    ASSERT_EQ(plan.size(), 99u);
    for (const PlannedFrame& frame : plan) {
        EXPECT_NEAR(frame.camera.position.z, 250.0, 1e-6) << frame.index;
        EXPECT_NEAR(frame.camera.pitch, -20.0, 1e-6) << frame.index;
        EXPECT_NEAR(frame.record.relativeAltitude, 50.0, 1e-6);
        EXPECT_EQ(frame.camera.focalLength, 300.0);
    }
}

TEST_F(CurvedFlightTest, HeadingFollowsTravelAndTheCameraBanksIntoTurns)
{
    auto terrain = MakeTerrain(t.context, 200, 200, [](int, int) { return 0; });
    const FlightPlan plan = FlyCurved(CurvedScript(41), *terrain);
    // In world coordinates the loop runs counter-clockwise: first along +x (heading 90), then +y (heading 0).
    const auto headingOff = [&](size_t i, double expected) {
        return std::fabs(std::remainder(plan[i].camera.heading - expected, 360.0));
    };
    EXPECT_LT(headingOff(5, 90.0), 15.0);
    EXPECT_LT(headingOff(15, 0.0), 15.0);
    EXPECT_LT(headingOff(25, -90.0), 15.0);
    // Left turns all the way: positive curvature banks the camera to negative roll.
    for (size_t i = 8; i < plan.size(); ++i) EXPECT_LT(plan[i].camera.roll, 0.0) << i;
    EXPECT_GT(plan[20].record.curvature, 0.0);
    EXPECT_EQ(plan[20].record.roll, plan[20].camera.roll);
}

TEST_F(CurvedFlightTest, NeverRendersWithinFiveUnitsOfTheGround)
{
    // A cliff of 300 units across the loop with almost no height margin or look-ahead.
    auto terrain = MakeTerrain(t.context, 200, 200, [](int x, int) { return x > 100 ? 300 : 0; });
    JobScript script = CurvedScript(25);
    script.values.AverageHeight = 1.0;
    script.values.PreviewRange = 0.01;
    const FlightPlan plan = FlyCurved(script, *terrain);
    bool raised = false;
    for (const PlannedFrame& frame : plan) {
        const double ground = terrain->HeightAt(frame.camera.position.x, frame.camera.position.y);
        EXPECT_GE(frame.camera.position.z - ground, 5.0 - 1e-9) << frame.index;
        EXPECT_EQ(frame.record.relativeAltitude, frame.camera.position.z - ground);
        raised = raised || frame.record.relativeAltitude == 5.0;
    }
    EXPECT_TRUE(raised);
}

// Frames from to to of the script's flight, alone, are those of the full run.
void ExpectARangeFliesTheSamePath(TestContext& t, JobScript script, int from, int to)
{
    auto terrain = MakeTerrain(t.context, 200, 200, [](int x, int y) { return (x * 7 + y * 3) % 40; });
    const FlightPlan full = FlyCurved(script, *terrain);
    script.values.From = from;
    script.values.To = to;
    const FlightPlan part = FlyCurved(script, *terrain);
    ASSERT_EQ(part.size(), static_cast<size_t>(to - from + 1));
    for (size_t i = 0; i < part.size(); ++i) {
        const FrameCamera& a = part[i].camera;
        const FrameCamera& b = full[i + static_cast<size_t>(from)].camera;
        EXPECT_EQ(part[i].index, full[i + static_cast<size_t>(from)].index);
        EXPECT_EQ(a.position.x, b.position.x);
        EXPECT_EQ(a.position.y, b.position.y);
        EXPECT_EQ(a.heading, b.heading);
        EXPECT_EQ(a.roll, b.roll);
        EXPECT_EQ(a.zScale, b.zScale);
        EXPECT_EQ(a.dustDistance, b.dustDistance);
    }
}

TEST_F(CurvedFlightTest, AFrameRangeFliesTheSamePath)
{
    ExpectARangeFliesTheSamePath(t, CurvedScript(60), 10, 20);
}

// Across a 200 x 200 terrain from the south-west to the north-east with a bend.
JobScript OpenScript(int total)
{
    JobScript script = CurvedScript(total);
    script.values.PathType = SceneParameters::kOpenCurve;
    script.pathPoints = {{20, 180}, {100, 170}, {120, 100}, {180, 20}};
    return script;
}

TEST_F(CurvedFlightTest, AnOpenFlightStartsOnTheFirstPointAndEndsOnTheLast)
{
    auto terrain = MakeTerrain(t.context, 200, 200, [](int x, int y) { return (x + 2 * y) % 50; });
    const JobScript script = OpenScript(60);
    const FlightPlan plan = FlyCurved(script, *terrain);
    ASSERT_EQ(plan.size(), 60u);
    EXPECT_EQ(plan.front().index, 0);
    EXPECT_EQ(plan.back().index, 59);
    EXPECT_DOUBLE_EQ(plan.front().camera.position.x, 20.0);
    EXPECT_DOUBLE_EQ(plan.front().camera.position.y, 200.0 - 180.0);
    const Vec4& last = plan.back().camera.position;
    const Vec4& before = plan[plan.size() - 2].camera.position;
    const double step = std::hypot(last.x - before.x, last.y - before.y);
    EXPECT_LE(std::hypot(last.x - 180.0, last.y - (200.0 - 20.0)), step + 1e-9);
    EXPECT_LT(std::hypot(last.x - 180.0, last.y - (200.0 - 20.0)), 1e-6);
}

TEST_F(CurvedFlightTest, AnOpenFlightHeadsAlongThePathFromItsFirstFrame)
{
    auto terrain = MakeTerrain(t.context, 200, 200, [](int, int) { return 0; });
    const FlightPlan plan = FlyCurved(OpenScript(80), *terrain);
    ASSERT_EQ(plan.size(), 80u);
    // Every frame looks along the path through it: heading 0 is +y, 90 is +x.
    for (size_t i = 1; i + 1 < plan.size(); ++i) {
        const Vec4& a = plan[i - 1].camera.position;
        const Vec4& b = plan[i + 1].camera.position;
        const double along = 90.0 - std::atan2(b.y - a.y, b.x - a.x) * 180.0 / 3.141592653589793;
        EXPECT_LT(std::fabs(std::remainder(plan[i].camera.heading - along, 360.0)), 10.0) << i;
    }
    // The first stretch runs east along the first chord (down the picture 10 of 80).
    EXPECT_NEAR(plan[0].camera.heading, 90.0 - std::atan2(10.0, 80.0) * 180.0 / 3.141592653589793, 1e-6);
    // The last stretch heads north-east, toward the last point, not back to the first.
    EXPECT_NEAR(plan.back().camera.heading, 90.0 - std::atan2(80.0, 60.0) * 180.0 / 3.141592653589793, 1e-6);
}

TEST_F(CurvedFlightTest, AnOpenFlightStartsSettledAtItsHeightAboveTheGround)
{
    // Level ground at 200: without the warm-up the first frames would climb from zero.
    auto flat = MakeTerrain(t.context, 200, 200, [](int, int) { return 200; });
    for (const PlannedFrame& frame : FlyCurved(OpenScript(100), *flat)) {
        EXPECT_NEAR(frame.camera.position.z, 250.0, 1e-6) << frame.index;
        EXPECT_NEAR(frame.camera.pitch, -20.0, 1e-6) << frame.index;
    }
    // A slope: the first frame already holds the height over the ground ahead.
    auto slope = MakeTerrain(t.context, 200, 200, [](int x, int) { return 5 * x; });
    const FlightPlan plan = FlyCurved(OpenScript(100), *slope);
    const double ground = slope->HeightAt(plan[0].camera.position.x, plan[0].camera.position.y);
    EXPECT_NEAR(plan[0].camera.position.z - ground, 50.0, 5.0);
}

TEST_F(CurvedFlightTest, AFrameRangeOfAnOpenFlightFliesTheSamePath)
{
    // The last frames too: an open flight has a position for every frame.
    ExpectARangeFliesTheSamePath(t, OpenScript(50), 40, 49);
}

TEST_F(CurvedFlightTest, PathsThatCannotCloseAreRefused)
{
    EXPECT_NE(CheckCurvedPath({}), std::nullopt);
    const auto two = CheckCurvedPath({{1, 1}, {5, 5}});
    ASSERT_TRUE(two.has_value());
    EXPECT_NE(two->find("this scene has 2"), std::string::npos);
    EXPECT_NE(CheckCurvedPath({{3, 4}, {3, 4}, {3, 4}, {3, 4}}), std::nullopt);
    EXPECT_EQ(CheckCurvedPath({{3, 4}, {3, 4}, {9, 4}}), std::nullopt);
}

}  // namespace
}  // namespace vistagon
