#include "cli/FolderCliTest.h"
#include "flight/RecorderLog.h"
#include "scene/SceneScript.h"
#include "support/CliRunner.h"
#include "support/CommaLocale.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace vistagon::cli {
namespace {

using test::CliResult;
using test::ReadFileBytes;
using test::RunCli;

// Renders and plans the same scene file in the test's folder, where render's
// recorder log goes.
class PlanCommandTest : public FolderCliTest {
protected:
    CliResult Run(const std::string& command, std::vector<std::string> words)
    {
        return RunCli(SceneCommand(command, std::move(words)));
    }

    // The recorder log of a render of the scene with the recorder switched on.
    std::string RenderedLog(std::vector<std::string> words)
    {
        const int recorder = job.scene.UseRecorder;
        job.scene.UseRecorder = 1;
        words.insert(words.end(), {"--jobs", "2"});
        const CliResult rendered = Run("render", words);
        job.scene.UseRecorder = recorder;
        EXPECT_EQ(rendered.status, 0) << rendered.err;
        const std::string log = ReadFileBytes(RecorderLog::kFileName);
        std::filesystem::remove(RecorderLog::kFileName);
        for (const std::string& name : job.FramesOnDisk()) std::filesystem::remove(name);
        return log;
    }

    void FlyCurved(double averageHeight)
    {
        job.FlyCurved(averageHeight);
        job.scene.Total = 12;
        job.scene.From = 1;
        job.scene.To = 10;
    }

    std::vector<std::string> FolderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(t.dir.path())) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(PlanCommandTest, PrintsTheRecorderLogOfAStraightFlightWithoutWritingAnything)
{
    job.scene.Total = 9;
    job.scene.From = 2;
    job.scene.To = 7;
    job.scene.Smoothness = 0.4;
    const std::string log = RenderedLog({});
    ASSERT_EQ(std::count(log.begin(), log.end(), '\n'), 7);

    WriteScene(job.scene, job.File("scene.vgs"));
    const std::vector<std::string> before = FolderEntries();
    for (const char* mode : {"final", "raw", "preview"}) {
        const CliResult planned = Run("plan", {"--mode", mode});
        EXPECT_EQ(planned.status, 0) << planned.err;
        EXPECT_EQ(planned.out, log) << mode;
        EXPECT_EQ(planned.err, "");
    }
    EXPECT_EQ(FolderEntries(), before);
}

TEST_F(PlanCommandTest, CurvedFlightsAndFrameRangesMatchTheRender)
{
    // So low that the ground floor raises frames, which then fly on differently.
    FlyCurved(0.5);
    EXPECT_EQ(Run("plan", {}).out, RenderedLog({}));
    for (const char* range : {"4-6", "1-1", "0-3", "10"}) {
        const CliResult planned = Run("plan", {"--frames", range});
        EXPECT_EQ(planned.status, 0) << planned.err;
        EXPECT_EQ(planned.out, RenderedLog({"--frames", range})) << range;
    }
    FlyCurved(12);
    EXPECT_EQ(Run("plan", {"--mode", "preview"}).out, RenderedLog({"--mode", "preview"}));
}

TEST_F(PlanCommandTest, ProfileSettingsOfTheRendererLeaveTheRowsAlone)
{
    FlyCurved(3);
    for (const char* setting : {"Quarter=2", "Antialiasing=40"}) {
        test::WriteFileBytes(t.dir.File("profile.ini"), std::string("[Settings]\n") + setting + "\n");
        EXPECT_EQ(Run("plan", {}).out, RenderedLog({})) << setting;
    }
}

TEST_F(PlanCommandTest, ACommaLocaleGivesTheRenderedLogsCommas)
{
    test::TempDir locales;
    const std::string locpath = test::MakeCommaLocale(locales);
    if (locpath.empty()) GTEST_SKIP() << "localedef or the de_DE locale source is not available";
    FlyCurved(3);
    std::string log, planned;
    {
        const test::CommaLocaleScope comma(locpath);
        log = RenderedLog({});
        planned = Run("plan", {}).out;
    }
    EXPECT_EQ(planned, log);
    EXPECT_NE(planned.find(','), std::string::npos);
    EXPECT_EQ(planned.find("0.0"), std::string::npos);
}

TEST_F(PlanCommandTest, RefusesWhatRenderRefusesWithTheSameMessages)
{
    const auto sameFailure = [this](const char* what) {
        const CliResult rendered = Run("render", {});
        const CliResult planned = Run("plan", {});
        EXPECT_EQ(planned.status, rendered.status) << what;
        EXPECT_EQ(planned.err, rendered.err) << what;
        EXPECT_EQ(planned.out, "") << what;
        return planned;
    };
    job.scene.ElevationFileName = job.File("no-terrain.tga");
    const CliResult missing = sameFailure("missing elevation");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Cannot open file '" + job.File("no-terrain.tga") + "'."), std::string::npos) << missing.err;

    job.scene.ElevationFileName = job.File("terrain.tga");
    job.scene.DustA = 0;
    EXPECT_EQ(sameFailure("no dust").status, 1);

    job.scene.DustA = 20;
    FlyCurved(3);
    job.scene.LastPathPoint = 1;
    EXPECT_EQ(sameFailure("two path points").status, 1);
    EXPECT_TRUE(job.FramesOnDisk().empty());

    const CliResult range = Run("plan", {"--frames", "3-20"});
    EXPECT_EQ(range.status, 1);
    EXPECT_NE(range.err, "");
    test::WriteFileBytes("notes.vgs", "[Other]\nx=1\n");
    EXPECT_EQ(RunCli({"--profile", t.dir.File("profile.ini"), "plan", "notes.vgs"}).status, 1);
    EXPECT_EQ(RunCli({"--profile", t.dir.File("profile.ini"), "plan", "missing.vgs"}).status, 1);
    EXPECT_EQ(Run("plan", {"--mode", "fast"}).status, 2);
    EXPECT_EQ(Run("plan", {"--frames", "a-b"}).status, 2);
    EXPECT_EQ(Run("plan", {"--jobs", "2"}).status, 2);
    EXPECT_EQ(RunCli({"plan"}).status, 2);
}

TEST_F(PlanCommandTest, TheLastFrameOfALoopIsNoFrameAsInTheRender)
{
    FlyCurved(3);
    const CliResult rendered = Run("render", {"--frames", "11-11"});
    const CliResult planned = Run("plan", {"--frames", "11-11"});
    EXPECT_EQ(planned.status, 1);
    EXPECT_EQ(planned.status, rendered.status);
    EXPECT_EQ(planned.out, RecorderLog::kHeader);
    EXPECT_NE(planned.err.find("no frame to render"), std::string::npos) << planned.err;
}

TEST_F(PlanCommandTest, NeverOpensTheTextureOrTheMask)
{
    test::WriteFileBytes(job.File("texture.tga"), "not a picture");
    job.scene.UseTextureFile = 1;
    job.scene.TextureFileName = job.File("texture.tga");
    EXPECT_EQ(Run("render", {}).status, 1);
    job.scene.UseTextureFile = 0;
    const std::string log = RenderedLog({});
    job.scene.UseTextureFile = 1;
    job.scene.UseMaskFile = 1;
    job.scene.MaskFileName = job.File("texture.tga");
    const CliResult planned = Run("plan", {});
    EXPECT_EQ(planned.status, 0) << planned.err;
    EXPECT_EQ(planned.out, log);
}

}  // namespace
}  // namespace vistagon::cli
