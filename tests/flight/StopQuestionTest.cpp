#include "JobFixture.h"
#include "flight/RenderJob.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::RecordingHost;
using test::SmallJob;
using test::TestContext;

constexpr int kFrames = 40;
constexpr std::uintmax_t kFrameBytes = 18 + 32 * 24 * 3;

// Puts the stop question to the user at the first pump after a frame is done,
// as Stop pressed then would, and keeps it open until every frame begun before
// it is on disk, so that one started meanwhile has time to show.
class StopQuestionInteraction : public test::ScriptedInteraction {
public:
    StopQuestionInteraction(const RecordingHost& host, const SmallJob& job, Answer answer)
        : host_(host), job_(job), answer_(answer)
    {
    }

    void Pump() override
    {
        ScriptedInteraction::Pump();
        if (startedBeforeQuestion >= 0 || host_.reports.empty() || host_.reports.back().framesDone < 1) return;
        startedBeforeQuestion = host_.reports.back().framesStarted;
        while (static_cast<int>(job_.FramesOnDisk().size()) < startedBeforeQuestion)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (answer_ == Answer::Yes) cancelled = true;
    }

    int startedBeforeQuestion = -1;

private:
    const RecordingHost& host_;
    const SmallJob& job_;
    Answer answer_;
};

class StopQuestionTest : public ::testing::Test {
protected:
    StopQuestionTest()
    {
        job.scene.Total = kFrames;
        job.scene.To = kFrames - 1;
    }

    JobReport RunSideBySide(StopQuestionInteraction& ui)
    {
        AppContext context{ui, t.context.profile};
        return RunJob(context, host, job.WriteScript(), RenderMode::Final, RenderJobOptions{2, t.dir.path().string(), {}});
    }

    TestContext t;
    SmallJob job{t};
    RecordingHost host;
};

TEST_F(StopQuestionTest, NoFrameStartsWhileTheQuestionIsOpenAndYesKeepsTheWholeOnes)
{
    StopQuestionInteraction ui(host, job, Answer::Yes);
    const JobReport report = RunSideBySide(ui);
    EXPECT_EQ(report.outcome, JobOutcome::Stopped);
    const int started = ui.startedBeforeQuestion;
    ASSERT_GE(started, 1);
    ASSERT_LT(started, kFrames);
    EXPECT_EQ(host.reports.back().framesStarted, started);
    EXPECT_EQ(report.framesFinished, started);
    // The first frames of the plan, as they were handed out.
    std::vector<std::string> expected;
    for (int i = 0; i < started; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "f%02d.tga", i);
        expected.push_back(name);
    }
    EXPECT_EQ(job.FramesOnDisk(), expected);
    for (const std::string& name : job.FramesOnDisk()) EXPECT_EQ(std::filesystem::file_size(job.File(name)), kFrameBytes) << name;
}

TEST_F(StopQuestionTest, NoGoesOnWithEveryFrame)
{
    StopQuestionInteraction ui(host, job, Answer::No);
    const JobReport report = RunSideBySide(ui);
    EXPECT_GE(ui.startedBeforeQuestion, 1);
    EXPECT_EQ(report.outcome, JobOutcome::Completed);
    EXPECT_EQ(report.framesFinished, kFrames);
    EXPECT_EQ(job.FramesOnDisk().size(), size_t{kFrames});
    EXPECT_EQ(host.reports.back().framesStarted, kFrames);
}

}  // namespace
}  // namespace vistagon
