#include "JobFixture.h"
#include "flight/RenderJob.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::SmallJob;
using test::TestContext;

// Keeps every picture the job hands over, with the frame it belongs to.
class PictureHost : public test::RecordingHost {
public:
    bool WantsFramePictures() const override { return true; }
    void FramePictureReady(const FramePicture& picture) override
    {
        indices.push_back(picture.index);
        pictures.emplace_back(picture.rows, picture.rows + picture.stride * static_cast<size_t>(picture.height));
    }

    std::vector<int> indices;
    std::vector<std::vector<uint8_t>> pictures;
};

std::vector<uint8_t> SavedPixels(AppContext& context, const std::string& path)
{
    CTGAFile image(context);
    if (!image.OnOpenDocument(path)) return {};
    return std::vector<uint8_t>(image.PixelBase(), image.PixelBase() + image.Stride() * static_cast<size_t>(image.GetHeight()));
}

class FramePictureTest : public ::testing::Test {
protected:
    FramePictureTest()
    {
        job.scene.Total = 7;
        job.scene.From = 1;
        job.scene.To = 6;
    }
    JobReport Run(int workers)
    {
        return RunJob(t.context, host, job.WriteScript(), RenderMode::Final, RenderJobOptions{workers, t.dir.path().string(), {}});
    }

    TestContext t;
    SmallJob job{t};
    PictureHost host;
};

TEST_F(FramePictureTest, PicturesOfFramesDrawnSideBySideComeInFrameOrderAsSaved)
{
    ASSERT_EQ(Run(3).outcome, JobOutcome::Completed);
    EXPECT_EQ(host.indices, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    ASSERT_EQ(host.pictures.size(), 6u);
    for (size_t i = 0; i < host.pictures.size(); ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "f%02zu.tga", i + 1);
        EXPECT_EQ(host.pictures[i], SavedPixels(t.context, job.File(name))) << name;
    }
    EXPECT_NE(host.pictures.front(), host.pictures.back());
}

TEST_F(FramePictureTest, APicturesOnlyJobWritesNothingAndHandsOverTheMaskedFrames)
{
    job.WriteMask("mask.tga", job.scene.SizeX, job.scene.SizeY);
    job.scene.UseMaskFile = 1;
    job.scene.MaskFileName = job.File("mask.tga");
    job.scene.UseRecorder = 1;
    RenderJobOptions options{1, t.dir.path().string(), FrameRange{3, 4}};
    options.picturesOnly = true;
    const JobReport report = RunJob(t.context, host, job.WriteScript(), RenderMode::Final, options);
    EXPECT_EQ(report.outcome, JobOutcome::Completed);
    EXPECT_EQ(report.framesFinished, 2);
    EXPECT_TRUE(job.FramesOnDisk().empty());
    EXPECT_FALSE(std::filesystem::exists(job.File("VGRECORD.XLS")));
    const std::vector<std::vector<uint8_t>> shown = host.pictures;
    EXPECT_EQ(host.indices, (std::vector<int>{3, 4}));

    host.pictures.clear();
    ASSERT_EQ(Run(1).outcome, JobOutcome::Completed);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], SavedPixels(t.context, job.File("f03.tga")));
    EXPECT_EQ(shown[1], SavedPixels(t.context, job.File("f04.tga")));
}

TEST_F(FramePictureTest, AStoppedJobHandsOverOnlyAnUnbrokenStart)
{
    // Stopped once two frames are done: only the frames begun by then may come.
    int startedAtStop = -1;
    host.onProgress = [&](const JobProgress& progress) {
        if (startedAtStop >= 0 || progress.framesDone < 2) return;
        startedAtStop = progress.framesStarted;
        t.ui.cancelled = true;
    };
    EXPECT_EQ(Run(2).outcome, JobOutcome::Stopped);
    ASSERT_GE(startedAtStop, 2);
    ASSERT_LT(startedAtStop, 6);
    EXPECT_EQ(host.reports.back().framesStarted, startedAtStop);  // none after the stop
    EXPECT_GE(host.indices.size(), 2u);
    EXPECT_LE(host.indices.size(), static_cast<size_t>(startedAtStop));
    for (size_t i = 0; i < host.indices.size(); ++i) EXPECT_EQ(host.indices[i], static_cast<int>(i) + 1);
}

TEST_F(FramePictureTest, PreviewAndHostsThatDoNotAskGetNoPictures)
{
    RunJob(t.context, host, job.WriteScript(), RenderMode::Preview, RenderJobOptions{2, t.dir.path().string(), {}});
    EXPECT_TRUE(host.indices.empty());
}

}  // namespace
}  // namespace vistagon
