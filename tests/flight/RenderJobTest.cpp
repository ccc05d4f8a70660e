#include "JobFixture.h"
#include "flight/RenderJob.h"
#include "platform/messages/FlightMessages.h"

#include <filesystem>
#include <thread>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::ReadFileBytes;
using test::RecordingHost;
using test::SmallJob;
using test::TestContext;

bool Exists(const std::string& path)
{
    return std::filesystem::exists(path);
}

int CountLines(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

class RenderJobTest : public ::testing::Test {
protected:
    JobReport Run(RenderMode mode, int workers = 1)
    {
        script = job.WriteScript();
        return RunJob(t.context, host, script, mode, RenderJobOptions{workers, t.dir.path().string(), {}});
    }

    TestContext t;
    SmallJob job{t};
    RecordingHost host;
    std::string script;
};

TEST_F(RenderJobTest, FinalWritesEveryFrameAndDeletesTheScript)
{
    const JobReport report = Run(RenderMode::Final);
    EXPECT_EQ(report.outcome, JobOutcome::Completed);
    EXPECT_EQ(report.framesFinished, 3);
    EXPECT_FALSE(report.ClosesWindow());
    EXPECT_EQ(job.FramesOnDisk(), (std::vector<std::string>{"f00.tga", "f01.tga", "f02.tga"}));
    EXPECT_FALSE(Exists(script));
    EXPECT_TRUE(t.ui.shown.empty());
    // The terrain is in view: the frame is not all sky.
    const std::string bytes = ReadFileBytes(job.File("f01.tga"));
    ASSERT_EQ(bytes.size(), 18u + 32 * 24 * 3);
    EXPECT_NE(bytes.find_first_not_of(bytes[18], 18), std::string::npos);
    ASSERT_FALSE(host.reports.empty());
    EXPECT_EQ(host.reports.back().framesDone, 3);
    EXPECT_DOUBLE_EQ(host.reports.back().fraction, 1.0);
}

TEST_F(RenderJobTest, OffsetAndRangeNameTheFrames)
{
    job.scene.Total = 10;
    job.scene.From = job.scene.To = 4;
    job.scene.Offset = 100;
    const JobReport report = Run(RenderMode::Raw);
    EXPECT_EQ(report.framesPlanned, 1);
    EXPECT_EQ(job.FramesOnDisk(), (std::vector<std::string>{"f104.tga"}));
}

TEST_F(RenderJobTest, RecorderLogsOneRowPerRenderedFrame)
{
    job.scene.Total = 10;
    job.scene.From = 5;
    job.scene.To = 7;
    job.scene.UseRecorder = 1;
    Run(RenderMode::Preview);
    const std::string log = ReadFileBytes(job.File("VGRECORD.XLS"));
    EXPECT_EQ(CountLines(log), 4);
    EXPECT_EQ(log.rfind("Pos.x\t", 0), 0u);
    EXPECT_TRUE(job.FramesOnDisk().empty());
}

TEST_F(RenderJobTest, MaskOfAnotherSizeAbandonsTheJob)
{
    job.WriteMask("mask.tga", 32, 20);
    job.scene.UseMaskFile = 1;
    job.scene.MaskFileName = job.File("mask.tga");
    const JobReport report = Run(RenderMode::Final);
    EXPECT_EQ(report.outcome, JobOutcome::Abandoned);
    EXPECT_TRUE(report.ClosesWindow());
    EXPECT_EQ(t.ui.Texts(), std::vector<std::string>{msg::kMaskSizeMismatch.text});
    EXPECT_TRUE(job.FramesOnDisk().empty());
    EXPECT_FALSE(Exists(script));
}

TEST_F(RenderJobTest, MissingMaskAndTextureAbandonTheJob)
{
    job.scene.UseMaskFile = 1;
    job.scene.MaskFileName = job.File("none.tga");
    EXPECT_EQ(Run(RenderMode::Final).outcome, JobOutcome::Abandoned);
    ASSERT_EQ(t.ui.shown.size(), 2u);
    EXPECT_TRUE(t.ui.shown[0].question);  // the image layer's Retry
    EXPECT_EQ(t.ui.shown[1].text, "Cannot open file '" + job.File("none.tga") + "'.");

    t.ui.shown.clear();
    job.scene.UseMaskFile = 0;
    job.scene.UseTextureFile = 1;
    job.scene.TextureFileName = job.File("none.tga");
    EXPECT_EQ(Run(RenderMode::Final).outcome, JobOutcome::Abandoned);
    ASSERT_EQ(t.ui.shown.size(), 1u);  // only the image layer speaks
    EXPECT_TRUE(t.ui.shown[0].question);
    EXPECT_TRUE(job.FramesOnDisk().empty());
    EXPECT_FALSE(Exists(script));
}

TEST_F(RenderJobTest, MissingTerrainRendersNothing)
{
    job.scene.ElevationFileName = job.File("gone.tga");
    const JobReport report = Run(RenderMode::Final);
    EXPECT_EQ(report.outcome, JobOutcome::NoTerrain);
    EXPECT_TRUE(report.ClosesWindow());
    EXPECT_EQ(report.framesPlanned, 0);
    EXPECT_TRUE(job.FramesOnDisk().empty());
    EXPECT_FALSE(Exists(script));
}

TEST_F(RenderJobTest, StopBetweenFramesKeepsTheFinishedOnes)
{
    job.scene.UseRecorder = 1;
    host.onProgress = [&](const JobProgress& p) {
        if (p.framesDone == 1) t.ui.cancelled = true;
    };
    const JobReport report = Run(RenderMode::Final);
    EXPECT_EQ(report.outcome, JobOutcome::Stopped);
    EXPECT_TRUE(report.ClosesWindow());
    EXPECT_EQ(job.FramesOnDisk(), std::vector<std::string>{"f00.tga"});
    EXPECT_EQ(CountLines(ReadFileBytes(job.File("VGRECORD.XLS"))), 2);
    EXPECT_FALSE(Exists(script));
}

TEST_F(RenderJobTest, StopInsideAFrameSavesNothing)
{
    job.scene.UseRecorder = 1;
    t.ui.cancelAfterPumps = 20;
    const JobReport report = Run(RenderMode::Final);
    EXPECT_EQ(report.outcome, JobOutcome::Stopped);
    EXPECT_EQ(report.framesFinished, 0);
    EXPECT_TRUE(job.FramesOnDisk().empty());
    EXPECT_EQ(CountLines(ReadFileBytes(job.File("VGRECORD.XLS"))), 1);
    EXPECT_FALSE(Exists(script));
}

TEST_F(RenderJobTest, PreviewUsesATenthOfTheDivisionsAtMost25)
{
    job.scene.GridX = 300;
    job.scene.GridY = 80;
    job.scene.Total = 2;
    job.scene.To = 1;
    const JobReport report = Run(RenderMode::Preview);
    EXPECT_EQ(report.outcome, JobOutcome::Completed);
    EXPECT_EQ(report.divisionsX, 25.0);
    EXPECT_EQ(report.divisionsY, 8.0);
    EXPECT_EQ(host.repaints, 2);
    EXPECT_GT(host.lines, 0);
    EXPECT_TRUE(job.FramesOnDisk().empty());
}

TEST_F(RenderJobTest, CurvedFlightWithTwoPointsIsRefusedBeforeAnyFrame)
{
    job.scene.PathType = 1;
    job.scene.AverageHeight = 10;
    job.scene.PreviewRange = 2;
    job.scene.LastPathPoint = 1;
    job.scene.PathPoints[0] = {5, 5};
    job.scene.PathPoints[1] = {20, 20};
    const JobReport report = Run(RenderMode::Final);
    EXPECT_EQ(report.outcome, JobOutcome::Refused);
    ASSERT_EQ(t.ui.shown.size(), 1u);
    EXPECT_NE(t.ui.shown[0].text.find("at least three path points"), std::string::npos);
    EXPECT_TRUE(job.FramesOnDisk().empty());
    EXPECT_FALSE(Exists(script));
}

TEST_F(RenderJobTest, FramesDrawnSideBySideAreIdentical)
{
    job.WriteTexture("texture.tga", 33);
    job.WriteMask("mask.tga", 32, 24);
    SceneParameters& s = job.scene;
    s.UseTextureFile = 1;
    s.TextureFileName = job.File("texture.tga");
    s.UseMaskFile = 1;
    s.MaskFileName = job.File("mask.tga");
    s.HQ = 1;
    s.UseRecorder = 1;
    s.PathType = 1;
    s.Total = 9;
    s.To = 8;
    s.AverageHeight = 20;
    s.PreviewRange = 2;
    s.RollFactor = 30;
    s.LastPathPoint = 3;
    s.PathPoints[0] = {4, 4};
    s.PathPoints[1] = {28, 6};
    s.PathPoints[2] = {26, 28};
    s.PathPoints[3] = {6, 26};
    s.OutputFileFormat = OutputKind::TgaAndYuv;

    ASSERT_EQ(Run(RenderMode::Final, 1).outcome, JobOutcome::Completed);
    std::vector<std::string> single;
    for (const std::string& name : job.FramesOnDisk()) single.push_back(ReadFileBytes(job.File(name)));
    const std::string singleLog = ReadFileBytes(job.File("VGRECORD.XLS"));
    ASSERT_EQ(single.size(), 16u);
    for (const std::string& name : job.FramesOnDisk()) std::filesystem::remove(job.File(name));

    ASSERT_EQ(Run(RenderMode::Final, 3).outcome, JobOutcome::Completed);
    const std::vector<std::string> names = job.FramesOnDisk();
    ASSERT_EQ(names.size(), single.size());
    for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(ReadFileBytes(job.File(names[i])), single[i]) << names[i];
    EXPECT_EQ(ReadFileBytes(job.File("VGRECORD.XLS")), singleLog);
    EXPECT_EQ(CountLines(singleLog), 9);
}

// A still or a short run on more workers than frames: the spare workers draw
// bands of each frame's rows, and every byte is that of one worker.
class BandedJobTest : public RenderJobTest, public ::testing::WithParamInterface<RenderMode> {
protected:
    void SetUp() override
    {
        job.WriteTexture("texture.tga", 33);
        job.WriteMask("mask.tga", 32, 24);
        SceneParameters& s = job.scene;
        s.UseTextureFile = 1;
        s.TextureFileName = job.File("texture.tga");
        s.UseMaskFile = 1;
        s.MaskFileName = job.File("mask.tga");
        s.OutputFileFormat = OutputKind::TgaAndYuv;
    }

    std::vector<std::string> RenderedBytes(int workers)
    {
        for (const std::string& name : job.FramesOnDisk()) std::filesystem::remove(job.File(name));
        EXPECT_EQ(Run(GetParam(), workers).outcome, JobOutcome::Completed);
        std::vector<std::string> bytes;
        for (const std::string& name : job.FramesOnDisk()) bytes.push_back(ReadFileBytes(job.File(name)));
        return bytes;
    }
};

TEST_P(BandedJobTest, EveryWorkerCountGivesTheBytesOfOne)
{
    for (const int frames : {1, 2}) {
        for (const int hq : {0, 1}) {
            job.scene.Total = frames;
            job.scene.To = frames - 1;
            job.scene.HQ = hq;
            const std::vector<std::string> single = RenderedBytes(1);
            ASSERT_EQ(single.size(), 2u * frames);
            for (const int workers : {2, 3, 4, 7}) {
                EXPECT_EQ(RenderedBytes(workers), single) << frames << " frames, HQ " << hq << ", " << workers << " workers";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(RawAndFinal, BandedJobTest, ::testing::Values(RenderMode::Raw, RenderMode::Final));

TEST_F(RenderJobTest, StopInsideABandedStillSavesNothing)
{
    job.scene.Total = 1;
    job.scene.To = 0;
    t.ui.cancelAfterPumps = 20;
    const JobReport report = Run(RenderMode::Final, 2);
    EXPECT_EQ(report.outcome, JobOutcome::Stopped);
    EXPECT_TRUE(job.FramesOnDisk().empty());
}

// The still drawn in strips keeps its host's image and its repaint.
TEST_F(RenderJobTest, BandedStillDrawsIntoTheHostsImage)
{
    class ImageHost : public RecordingHost {
    public:
        explicit ImageHost(AppContext& context) : image(context) {}
        CTGAFile* OutputImage(int width, int height) override
        {
            return image.CreateImage(width, height) ? &image : nullptr;
        }
        CTGAFile image;
    } imageHost(t.context);
    job.scene.Total = 1;
    job.scene.To = 0;
    script = job.WriteScript();
    ASSERT_EQ(RunJob(t.context, imageHost, script, RenderMode::Final, RenderJobOptions{3, t.dir.path().string(), {}}).outcome,
              JobOutcome::Completed);
    EXPECT_GE(imageHost.redraws, 1);
    const std::vector<std::string> names = job.FramesOnDisk();
    ASSERT_EQ(names.size(), 1u);
    CTGAFile saved(t.context);
    ASSERT_TRUE(saved.OnOpenDocument(job.File(names[0])));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 32; ++x) ASSERT_EQ(saved.GetPixel(x, y), imageHost.image.GetPixel(x, y)) << x << ", " << y;
}

// A front end answers its questions on the thread that drives the job, also
// when the frames are drawn on threads of their own.
TEST_F(RenderJobTest, FramesSideBySideAskOnTheJobsThread)
{
    class ThreadNotingInteraction : public test::ScriptedInteraction {
    public:
        Answer Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon) override
        {
            threads.push_back(std::this_thread::get_id());
            return ScriptedInteraction::Ask(text, buttons, icon);
        }
        std::vector<std::thread::id> threads;
    } ui;
    AppContext context{ui, t.context.profile};
    job.scene.OutputFileName = job.File("missing/f%02d.tga");
    script = job.WriteScript();
    const JobReport report = RunJob(context, host, script, RenderMode::Final, RenderJobOptions{3, t.dir.path().string(), {}});
    EXPECT_EQ(report.outcome, JobOutcome::FramesFailed);
    EXPECT_EQ(report.framesFailed, 3);
    ASSERT_EQ(ui.threads.size(), 3u);  // one "Retry?" per frame, answered No
    for (const std::thread::id id : ui.threads) EXPECT_EQ(id, std::this_thread::get_id());

    // Two frames on five workers: each frame in strips, side by side.
    ui.threads.clear();
    job.scene.Total = 2;
    job.scene.To = 1;
    script = job.WriteScript();
    const JobReport banded = RunJob(context, host, script, RenderMode::Final, RenderJobOptions{5, t.dir.path().string(), {}});
    EXPECT_EQ(banded.framesFailed, 2);
    ASSERT_EQ(ui.threads.size(), 2u);
    for (const std::thread::id id : ui.threads) EXPECT_EQ(id, std::this_thread::get_id());
}

}  // namespace
}  // namespace vistagon
