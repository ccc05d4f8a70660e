#include "render/TraversalPasses.h"

#include "render/CellSink.h"
#include "render/FrameRenderer.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace vistagon {
namespace {

struct Visit {
    double x;
    double y;
    StencilStep step;
};

class RecordingSink : public CellSink {
public:
    void Paint(double x, double y, StencilStep step) override { visits.push_back({x, y, step}); }
    std::vector<Visit> visits;
};

// Cells of 1 x 1 over 0..12 in both directions, the observer in cell (5, 7).
std::vector<Visit> Walk(RenderMode mode)
{
    test::ScriptedInteraction ui;
    FrameStatistics statistics;
    RecordingSink sink;
    const VisibleRegion region{0.0, 12.0, 0.0, 12.0};
    const TraversalRects rects = SplitRegion(region, 5.5, 7.5, 1.0, 1.0);
    TraversalPasses passes(ui, sink, mode, rects, 1.0, 1.0, 1.0, statistics);
    passes.Run();
    return sink.visits;
}

double Distance(const Visit& v)
{
    return std::hypot(v.x + 0.5 - 5.5, v.y + 0.5 - 7.5);
}

TEST(TraversalPassesTest, FinalVisitsEveryCellOnceNearestFirst)
{
    const std::vector<Visit> visits = Walk(RenderMode::Final);
    std::set<std::pair<double, double>> cells;
    for (const Visit& v : visits) EXPECT_TRUE(cells.insert({v.x, v.y}).second) << v.x << ", " << v.y;
    ASSERT_FALSE(visits.empty());
    EXPECT_EQ(visits.front().x, 5.0);
    EXPECT_EQ(visits.front().y, 7.0) << "the observer's own cell comes first";
    EXPECT_GT(Distance(visits.back()), 5.0) << "a far corner comes last";
    // Within a row the stencil steps from cell to neighbouring cell, in the direction the walk goes.
    for (size_t i = 1; i < visits.size(); ++i) {
        const Visit& before = visits[i - 1];
        const Visit& now = visits[i];
        if (now.step == StencilStep::Full) continue;
        EXPECT_EQ(now.y, before.y);
        EXPECT_DOUBLE_EQ(now.x, before.x + (now.step == StencilStep::Right ? 1.0 : -1.0)) << i;
    }
}

TEST(TraversalPassesTest, RawThinsTheQuadrantsAndBuildsEveryStencil)
{
    const std::vector<Visit> raw = Walk(RenderMode::Raw);
    const std::vector<Visit> final = Walk(RenderMode::Final);
    EXPECT_LT(raw.size(), final.size());
    EXPECT_GT(raw.size(), final.size() / 5);
    for (const Visit& v : raw) EXPECT_EQ(v.step, StencilStep::Full);
    // The observer's own row and column are never thinned.
    for (double x = 0; x < 12; ++x) {
        bool seen = false;
        for (const Visit& v : raw) seen = seen || (v.x == x && v.y == 7.0);
        EXPECT_TRUE(seen) << x;
    }
}

}  // namespace
}  // namespace vistagon
