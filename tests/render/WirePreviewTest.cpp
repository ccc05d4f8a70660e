#include "render/WirePreview.h"

#include "RenderFixture.h"
#include "render/Projector.h"

#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::TestContext;

struct Line {
    int x0, y0, x1, y1;
    uint32_t colour;
};

class RecordingCanvas : public LineCanvas {
public:
    void Repaint() override { ++repaints; }
    void DrawLine(int x0, int y0, int x1, int y1, uint32_t colour) override { lines.push_back({x0, y0, x1, y1, colour}); }

    int repaints = 0;
    std::vector<Line> lines;
};

TEST(WirePreviewTest, DivisionsAreATenthAtMostTwentyFive)
{
    EXPECT_DOUBLE_EQ(PreviewDivisions(300), 25.0);
    EXPECT_DOUBLE_EQ(PreviewDivisions(80), 8.0);
    EXPECT_DOUBLE_EQ(PreviewDivisions(1000), 25.0);
}

TEST(WirePreviewTest, LatticeIncludesTheFarEdge)
{
    const WireLattice lattice(3000, 3000, PreviewDivisions(1000), PreviewDivisions(1000));
    EXPECT_EQ(lattice.columns(), 26u);
    EXPECT_EQ(lattice.rows(), 26u);
    EXPECT_EQ(lattice.points().size(), 26u * 26u * 6u);
    // The last node sits on the far corner; its arms reach a tenth of a step.
    const Vec4* last = &lattice.points()[lattice.points().size() - 6];
    EXPECT_NEAR(last[4].x, 3000, 1e-9);
    EXPECT_NEAR(last[4].y, 3000, 1e-9);
    EXPECT_NEAR(last[1].x - last[0].x, 24, 1e-9);
    EXPECT_NEAR(last[3].y - last[2].y, 24, 1e-9);

    const WireLattice uneven(100, 50, 8, 3);
    EXPECT_EQ(uneven.columns(), 9u);
    EXPECT_EQ(uneven.rows(), 4u);
}

TEST(WirePreviewTest, DrawsCrossesOnTheGroundAndPostsUpToTheTerrain)
{
    TestContext t;
    auto grid = test::MakeElevation(t.context, 41, 41, [](int, int) { return 10; });
    WireLattice lattice(grid->GetGridWidth(), grid->GetGridHeight(), 4, 4);
    Projector projector(t.context, Vec4::Direction(0, 0, 1), 200, 200);
    FrameCamera camera = test::LookingDown(20, 20, 100, 150);
    camera.zScale = 2;
    projector.SetCamera(camera);
    RecordingCanvas canvas;
    ASSERT_TRUE(RenderPreview(t.ui, projector, *grid, lattice, canvas));
    EXPECT_EQ(canvas.repaints, 1);
    ASSERT_EQ(canvas.lines.size(), 25u * 3u);
    for (size_t node = 0; node < 25; ++node) {
        EXPECT_EQ(canvas.lines[3 * node].colour, kWireCrossColour);
        EXPECT_NEAR(canvas.lines[3 * node].y0, canvas.lines[3 * node].y1, 1) << "the x arm lies along a picture row";
        EXPECT_EQ(canvas.lines[3 * node + 2].colour, kWirePostColour);
    }
    // Node (0, 0) has a post of height 20; the far corner lies outside the lookup and stays at 0.
    EXPECT_DOUBLE_EQ(lattice.points()[5].z, 20.0);
    EXPECT_DOUBLE_EQ(lattice.points()[24 * 6 + 5].z, 0.0);
    const Line& farPost = canvas.lines[24 * 3 + 2];
    EXPECT_EQ(farPost.x0, farPost.x1);
    EXPECT_EQ(farPost.y0, farPost.y1);
}

TEST(WirePreviewTest, StopsBeforeTheNextNodeRowOnceCancelled)
{
    TestContext t;
    auto grid = test::MakeElevation(t.context, 41, 41, [](int, int) { return 0; });
    WireLattice lattice(40, 40, 4, 4);
    Projector projector(t.context, Vec4::Direction(0, 0, 1), 200, 200);
    projector.SetCamera(test::LookingDown(20, 20, 100, 150));
    RecordingCanvas canvas;
    t.ui.cancelled = true;
    EXPECT_FALSE(RenderPreview(t.ui, projector, *grid, lattice, canvas));
    EXPECT_TRUE(canvas.lines.empty());
}

TEST(WirePreviewTest, SkipsLinesWithAnEndBehindTheEye)
{
    TestContext t;
    auto grid = test::MakeElevation(t.context, 41, 41, [](int, int) { return 0; });
    WireLattice lattice(40, 40, 4, 4);
    Projector projector(t.context, Vec4::Direction(0, 0, 1), 200, 200);
    FrameCamera camera;
    camera.position = Vec4::Point(20, 20, 5);  // standing in the middle, looking along +y
    camera.focalLength = 100;
    projector.SetCamera(camera);
    RecordingCanvas canvas;
    ASSERT_TRUE(RenderPreview(t.ui, projector, *grid, lattice, canvas));
    EXPECT_GT(canvas.lines.size(), 0u);
    EXPECT_LT(canvas.lines.size(), 25u * 3u);
}

}  // namespace
}  // namespace vistagon
