#include "render/Projector.h"

#include "RenderFixture.h"
#include "render/TriangleTarget.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vistagon {
namespace {

using test::TestContext;

FrameCamera LevelCamera()
{
    FrameCamera camera;
    camera.position = Vec4::Point(100, 100, 10);
    camera.focalLength = 200;
    return camera;
}

TEST(ProjectorTest, HeadingZeroLooksAlongYWithXToTheRightAndZUp)
{
    TestContext t;
    Projector projector(t.context, Vec4::Direction(0, 0, 1), 640, 480);
    projector.SetCamera(LevelCamera());
    int x = 0, y = 0;
    ASSERT_TRUE(projector.ProjectPoint(Vec4::Point(100, 200, 10), x, y));
    EXPECT_NEAR(x, 320, 1);
    EXPECT_NEAR(y, 240, 1);
    ASSERT_TRUE(projector.ProjectPoint(Vec4::Point(150, 200, 10), x, y));
    EXPECT_NEAR(x, 320 + 100, 1);  // 50 units right at depth 100, focal 200
    ASSERT_TRUE(projector.ProjectPoint(Vec4::Point(100, 200, 40), x, y));
    EXPECT_NEAR(y, 240 - 60, 1);
    EXPECT_FALSE(projector.ProjectPoint(Vec4::Point(100, 0, 10), x, y)) << "behind the eye";
}

TEST(ProjectorTest, HeadingNinetyLooksAlongX)
{
    TestContext t;
    Projector projector(t.context, Vec4::Direction(0, 0, 1), 640, 480);
    FrameCamera camera = LevelCamera();
    camera.heading = 90;
    projector.SetCamera(camera);
    int x = 0, y = 0;
    ASSERT_TRUE(projector.ProjectPoint(Vec4::Point(200, 100, 10), x, y));
    EXPECT_NEAR(x, 320, 1);
    ASSERT_TRUE(projector.ProjectPoint(Vec4::Point(200, 50, 10), x, y));
    EXPECT_GT(x, 320) << "-y lies to the right when looking along +x";
}

TEST(ProjectorTest, ProjectPointRefusesFarOffPointsAndRoundsDown)
{
    TestContext t;
    t.context.profile.WriteInt("Settings", "Quarter", 4);  // centre at the output's top-left corner
    Projector projector(t.context, Vec4::Direction(0, 0, 1), 640, 480);
    projector.SetCamera(LevelCamera());
    int x = 0, y = 0;
    // Doubled focal length: 0.25 units left at depth 100 is X = -1.0 - a little.
    ASSERT_TRUE(projector.ProjectPoint(Vec4::Point(99.74, 200, 10), x, y));
    EXPECT_EQ(x, -2);
    ASSERT_TRUE(projector.ProjectPoint(Vec4::Point(99.9, 200, 10), x, y));
    EXPECT_EQ(x, -1) << "negative positions round down, not toward zero";
    EXPECT_FALSE(projector.ProjectPoint(Vec4::Point(100000, 101, 10), x, y)) << "beyond 16384";
}

TEST(ProjectorTest, QuarterOutsideItsRangeRendersTheWholeImage)
{
    for (int quarter : {-1, 5}) {
        TestContext t;
        t.context.profile.WriteInt("Settings", "Quarter", quarter);
        Projector projector(t.context, Vec4::Direction(0, 0, 2), 640, 480);
        EXPECT_EQ(projector.quarter(), 0);
        EXPECT_DOUBLE_EQ(projector.centreX(), 320);
        EXPECT_DOUBLE_EQ(projector.centreY(), -240);
        EXPECT_DOUBLE_EQ(projector.light().z, 1.0) << "the light is normalised";
    }
}

TEST(ProjectorTest, RayThroughAPixelAgreesWithTheProjection)
{
    TestContext t;
    Projector projector(t.context, Vec4::Direction(0, 0, 1), 320, 240);
    FrameCamera camera = LevelCamera();
    camera.heading = 33;
    camera.pitch = -20;
    camera.roll = 12;
    projector.SetCamera(camera);
    const Vec4 ground[3] = {Vec4::Point(0, 0, 0), Vec4::Point(1, 0, 0), Vec4::Point(0, 1, 0)};
    Vec4 hit;
    const double t0 = projector.HitPlane(100.5, 200.5, ground[0], ground[1], ground[2], hit);
    ASSERT_GT(t0, 0.0);
    EXPECT_NEAR(hit.z, 0.0, 1e-9);
    int x = 0, y = 0;
    ASSERT_TRUE(projector.ProjectPoint(hit, x, y));
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 200);
}

TEST(ProjectorTest, PlanesBehindTheEyeGiveNegativeRayParameters)
{
    TestContext t;
    Projector projector(t.context, Vec4::Direction(0, 0, 1), 640, 480);
    projector.SetCamera(LevelCamera());
    Vec4 hit;
    // A picture row above the horizon meets the ground behind the eye.
    EXPECT_LT(projector.HitPlane(320, 100, Vec4::Point(0, 0, 0), Vec4::Point(1, 0, 0), Vec4::Point(0, 1, 0), hit), 0.0);
    EXPECT_GT(projector.HitPlane(320, 400, Vec4::Point(0, 0, 0), Vec4::Point(1, 0, 0), Vec4::Point(0, 1, 0), hit), 0.0);
    EXPECT_LT(projector.HitPlane(320, 240, Vec4::Point(0, 50, 0), Vec4::Point(1, 50, 0), Vec4::Point(0, 50, 1), hit),
              0.0)
        << "the wall y = 50 lies behind a camera looking along +y";
}

// Ground triangles in the cell order (V3, V7, V8) face a camera above them;
// the reverse order faces away, and a corner behind the eye drops the triangle.
TEST(ProjectorTest, DrawTriangleCullsBackFacesAndDropsWhatFallsBehindTheEye)
{
    class Recorder : public TriangleTarget {
    public:
        void Draw(RasterVertex (&vertices)[3], double fog) override
        {
            ++count;
            firstX = vertices[0].x;
            firstY = vertices[0].y;
            lastFog = fog;
        }
        int count = 0;
        int firstX = 0;
        int firstY = 0;
        double lastFog = 0.0;
    } recorder;
    TestContext t;
    Projector projector(t.context, Vec4::Direction(0, 0, 1), 640, 480);
    projector.SetCamera(LevelCamera());
    const Vec4 up = Vec4::Direction(0, 0, 1);
    const Vec4 p0 = Vec4::Point(100, 200, 0), p1 = Vec4::Point(100, 210, 0), p2 = Vec4::Point(110, 210, 0);

    ASSERT_TRUE(projector.DrawTriangle(p0, p1, p2, up, up, up, 0.25, recorder));
    EXPECT_EQ(recorder.count, 1);
    EXPECT_EQ(recorder.lastFog, 0.25);
    int x = 0, y = 0;
    ASSERT_TRUE(projector.ProjectPoint(p0, x, y));
    EXPECT_EQ(recorder.firstX, x);
    EXPECT_EQ(recorder.firstY, y);

    EXPECT_FALSE(projector.DrawTriangle(p0, p2, p1, up, up, up, 0.25, recorder)) << "seen from below";
    const Vec4 behind = Vec4::Point(100, 50, 0);
    EXPECT_FALSE(projector.DrawTriangle(behind, p1, p2, up, up, up, 0.25, recorder));
    EXPECT_EQ(recorder.count, 1);
}

}  // namespace
}  // namespace vistagon
