#include "JobFixture.h"
#include "flight/Calculate.h"
#include "scene/SceneScript.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::ReadFileBytes;
using test::RecordingHost;
using test::SmallJob;
using test::TestContext;

// A form whose value exchange marks the document modified, as edit controls do.
class FakeForm : public SceneForm {
public:
    std::optional<SceneParameters> TakeValues() override
    {
        modified = true;
        return values;
    }
    std::string DocumentPath() const override { return path; }
    bool IsModified() const override { return modified; }
    void SetModified(bool m) override { modified = m; }
    void SetJobRunning(bool running) override { jobRunning = running; }

    std::optional<SceneParameters> values;
    std::string path;
    bool modified = false;
    bool jobRunning = false;
};

// Temporary files go to a folder of the test's own, so that leftovers show.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::filesystem::path& folder)
    {
        if (const char* old = std::getenv("TMPDIR")) previous_ = old;
        std::filesystem::create_directories(folder);
        setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TemporaryFolder()
    {
        if (previous_) setenv("TMPDIR", previous_->c_str(), 1);
        else unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> previous_;
};

bool IsEmptyFolder(const std::filesystem::path& folder)
{
    return std::filesystem::is_empty(folder);
}

class CalculateTest : public ::testing::Test {
protected:
    CalculateResult Calculate(RenderMode mode)
    {
        return vistagon::Calculate(t.context, form, mode, host, RenderJobOptions{1, t.dir.path().string(), {}});
    }

    TestContext t;
    SmallJob job{t};
    FakeForm form;
    RecordingHost host;
    std::filesystem::path temporaries = t.dir.path() / "tmp";
    TemporaryFolder redirect{temporaries};
};

TEST_F(CalculateTest, RendersAndRestoresTheDocumentState)
{
    form.values = job.scene;
    bool runningDuringJob = false;
    std::string copy;
    host.onProgress = [&](const JobProgress&) {
        runningDuringJob = form.jobRunning;
        for (const auto& entry : std::filesystem::directory_iterator(temporaries)) copy = ReadFileBytes(entry.path().string());
    };
    const CalculateResult result = Calculate(RenderMode::Final);
    EXPECT_EQ(result.stage, CalculateResult::Stage::Rendered);
    EXPECT_EQ(result.report.outcome, JobOutcome::Completed);
    EXPECT_EQ(job.FramesOnDisk().size(), 3u);
    EXPECT_FALSE(form.modified);
    EXPECT_TRUE(runningDuringJob);
    EXPECT_FALSE(form.jobRunning);
    EXPECT_NE(copy.find("KannBerechnen=1"), std::string::npos);
    EXPECT_TRUE(IsEmptyFolder(temporaries));

    form.modified = true;
    Calculate(RenderMode::Preview);
    EXPECT_TRUE(form.modified);
}

TEST_F(CalculateTest, InvalidSceneComesBackWithItsControl)
{
    job.scene.Total = 10;
    job.scene.From = 5;
    job.scene.To = 3;
    form.values = job.scene;
    const CalculateResult result = Calculate(RenderMode::Final);
    EXPECT_EQ(result.stage, CalculateResult::Stage::NotValid);
    ASSERT_TRUE(result.problem.has_value());
    EXPECT_EQ(result.problem->control, control::kFrom);
    EXPECT_EQ(result.problem->message, "Last frame number has to be greater than or equal first frame number.");
    EXPECT_TRUE(t.ui.shown.empty());
    EXPECT_TRUE(job.FramesOnDisk().empty());
    EXPECT_FALSE(form.modified);
    EXPECT_TRUE(IsEmptyFolder(temporaries));
}

TEST_F(CalculateTest, UnparsableControlEndsTheCommand)
{
    form.values = std::nullopt;
    const CalculateResult result = Calculate(RenderMode::Final);
    EXPECT_EQ(result.stage, CalculateResult::Stage::NotValid);
    EXPECT_FALSE(result.problem.has_value());
    EXPECT_FALSE(form.jobRunning);
}

TEST_F(CalculateTest, AbandonedAndStoppedJobsLeaveNoTemporaryCopy)
{
    job.scene.UseMaskFile = 1;
    job.scene.MaskFileName = job.File("mask.tga");
    job.WriteMask("mask.tga", 10, 10);
    form.values = job.scene;
    EXPECT_EQ(Calculate(RenderMode::Raw).report.outcome, JobOutcome::Abandoned);
    EXPECT_TRUE(IsEmptyFolder(temporaries));

    job.scene.UseMaskFile = 0;
    form.values = job.scene;
    t.ui.cancelAfterPumps = 5;
    EXPECT_EQ(Calculate(RenderMode::Raw).report.outcome, JobOutcome::Stopped);
    EXPECT_TRUE(IsEmptyFolder(temporaries));
    EXPECT_TRUE(job.FramesOnDisk().empty());
}

}  // namespace
}  // namespace vistagon
