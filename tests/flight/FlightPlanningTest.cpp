#include "JobFixture.h"
#include "flight/FlightClearance.h"
#include "flight/FlightPlanning.h"
#include "flight/ScenePlan.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::SmallJob;
using test::TestContext;

class FlightPlanningTest : public ::testing::Test {
protected:
    void FlyCurved()
    {
        job.FlyCurved(0.5);
        job.scene.Total = 20;
        job.scene.From = 0;
        job.scene.To = 18;
    }

    TestContext t;
    SmallJob job{t};
};

TEST_F(FlightPlanningTest, PlansTheJobsFramesAndDeletesItsScript)
{
    FlyCurved();
    const std::string script = job.WriteScript();
    const FlightPlanReport report = PlanJob(t.context, script, RenderMode::Final, FrameRange{5, 9});
    EXPECT_EQ(report.outcome, JobOutcome::Completed);
    EXPECT_FALSE(std::filesystem::exists(script));
    ASSERT_EQ(report.plan.size(), 5u);
    EXPECT_EQ(report.plan.front().index, 5);
    EXPECT_EQ(report.plan.back().index, 9);
    EXPECT_DOUBLE_EQ(report.gridHeight, 33.0 * job.scene.ElevScaleY);
    EXPECT_EQ(report.script.pathPoints.size(), 4u);
    EXPECT_TRUE(t.ui.shown.empty());
    // The ground floor keeps every frame 5 units up at least.
    for (const PlannedFrame& frame : report.plan) EXPECT_GE(frame.record.relativeAltitude, 5.0 - 1e-9);
}

TEST_F(FlightPlanningTest, RefusesAsTheJobDoes)
{
    FlyCurved();
    job.scene.LastPathPoint = 1;
    std::string script = job.WriteScript();
    EXPECT_EQ(PlanJob(t.context, script, RenderMode::Raw, std::nullopt).outcome, JobOutcome::Refused);
    EXPECT_FALSE(std::filesystem::exists(script));
    test::RecordingHost host;
    EXPECT_EQ(RunJob(t.context, host, job.WriteScript(), RenderMode::Raw).outcome, JobOutcome::Refused);
    ASSERT_EQ(t.ui.shown.size(), 2u);
    EXPECT_EQ(t.ui.shown[0].text, t.ui.shown[1].text);

    job.scene.LastPathPoint = 3;
    script = job.WriteScript();
    std::filesystem::remove(job.File("terrain.tga"));
    EXPECT_EQ(PlanJob(t.context, script, RenderMode::Preview, std::nullopt).outcome, JobOutcome::NoTerrain);
    EXPECT_FALSE(std::filesystem::exists(script));
}

TEST_F(FlightPlanningTest, ASceneIsValidatedBeforeItsCopyIsWritten)
{
    job.scene.DustZ = -1;
    ScenePlan planned = PlanScene(t.context, job.scene, "", RenderMode::Final, std::nullopt);
    EXPECT_EQ(planned.stage, JobCopyStage::NotValid);
    ASSERT_TRUE(planned.problem);
    EXPECT_TRUE(planned.report.plan.empty());

    job.scene.DustZ = 20;
    planned = PlanScene(t.context, job.scene, "", RenderMode::Final, std::nullopt);
    EXPECT_EQ(planned.stage, JobCopyStage::Written);
    EXPECT_EQ(planned.report.plan.size(), 3u);
}

TEST(FlightClearance, TheFirstLowestFrameIsNamed)
{
    FlightPlan plan(4);
    const double heights[] = {9.0, 6.14, 7.0, 6.14};
    for (int i = 0; i < 4; ++i) {
        plan[static_cast<size_t>(i)].index = 510 + i;
        plan[static_cast<size_t>(i)].record.relativeAltitude = heights[i];
    }
    const std::optional<LowestClearance> lowest = FindLowestClearance(plan);
    ASSERT_TRUE(lowest);
    EXPECT_EQ(lowest->frame, 511);
    EXPECT_EQ(ClearanceText(*lowest), "frame 511: 6.1 above ground");
    EXPECT_FALSE(FindLowestClearance({}));
}

}  // namespace
}  // namespace vistagon
