#include "Commands.h"
#include "cli/FolderCliTest.h"
#include "scene/SceneScript.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vistagon::cli {
namespace {

using test::ReadFileBytes;

class RenderCommandTest : public FolderCliTest {
protected:
    int Render(std::vector<std::string> words) { return RunCommandLine(SceneCommand("render", std::move(words))); }
};

TEST_F(RenderCommandTest, EveryModeRendersIntoTheCurrentFolder)
{
    job.scene.UseRecorder = 1;
    EXPECT_EQ(Render({"--mode", "preview"}), 0);
    EXPECT_TRUE(job.FramesOnDisk().empty());
    EXPECT_TRUE(std::filesystem::exists("VGRECORD.XLS"));

    EXPECT_EQ(Render({"--mode", "raw", "--jobs", "1"}), 0);
    const std::string raw = ReadFileBytes("f01.tga");
    testing::internal::CaptureStdout();
    EXPECT_EQ(Render({}), 0);
    const std::string summary = testing::internal::GetCapturedStdout();
    EXPECT_EQ(job.FramesOnDisk(), (std::vector<std::string>{"f00.tga", "f01.tga", "f02.tga"}));
    EXPECT_NE(raw, ReadFileBytes("f01.tga"));
    EXPECT_NE(summary.find("final: 3 of 3 frames written: f00.tga ... f02.tga"), std::string::npos) << summary;
}

TEST_F(RenderCommandTest, FrameRangeOverridesFromAndToAndIsValidated)
{
    EXPECT_EQ(Render({"--frames", "1-1"}), 0);
    EXPECT_EQ(job.FramesOnDisk(), std::vector<std::string>{"f01.tga"});
    std::filesystem::remove("f01.tga");
    EXPECT_EQ(Render({"--frames", "2-1"}), 1);
    EXPECT_EQ(Render({"--frames", "0-3"}), 1);
    // A curved flight of three frames has two positions: frame 2 does not exist.
    job.scene.PathType = 1;
    job.scene.AverageHeight = 10;
    job.scene.PreviewRange = 2;
    job.scene.LastPathPoint = 2;
    job.scene.PathPoints[0] = {5, 5};
    job.scene.PathPoints[1] = {25, 8};
    job.scene.PathPoints[2] = {15, 25};
    EXPECT_EQ(Render({"--frames", "2-2"}), 1);
    EXPECT_TRUE(job.FramesOnDisk().empty());
}

TEST_F(RenderCommandTest, ASharedOutCurvedFlightEqualsTheWholeRun)
{
    // Flying low keeps the ground floor busy, and its raised heights stay in the
    // smoothing, so a share planned from its own first frame would fly differently.
    job.FlyCurved(0.5);
    job.scene.Total = 8;
    job.scene.From = 0;
    job.scene.To = 6;
    ASSERT_EQ(Render({"--jobs", "1"}), 0);
    std::vector<std::string> whole;
    for (const std::string& name : job.FramesOnDisk()) whole.push_back(ReadFileBytes(name));
    ASSERT_EQ(whole.size(), 7u);
    for (const std::string& name : job.FramesOnDisk()) std::filesystem::remove(name);

    EXPECT_EQ(Render({"--frames", "4-6", "--jobs", "2"}), 0);
    ASSERT_EQ(job.FramesOnDisk(), (std::vector<std::string>{"f04.tga", "f05.tga", "f06.tga"}));
    for (int i = 4; i <= 6; ++i) EXPECT_EQ(ReadFileBytes(job.FramesOnDisk()[i - 4]), whole[i]) << "frame " << i;
}

TEST_F(RenderCommandTest, InvalidScenesAndFilesFail)
{
    job.scene.DustA = 0;
    EXPECT_EQ(Render({}), 1);
    test::WriteFileBytes("notes.vgs", "[Other]\nx=1\n");
    EXPECT_EQ(RunCommandLine({"--profile", t.dir.File("profile.ini"), "render", "notes.vgs"}), 1);
    EXPECT_EQ(RunCommandLine({"--profile", t.dir.File("profile.ini"), "render", "missing.vgs"}), 1);
    EXPECT_TRUE(job.FramesOnDisk().empty());
}

TEST_F(RenderCommandTest, MalformedWordsAreUsageErrors)
{
    EXPECT_EQ(Render({"--mode", "fast"}), 2);
    EXPECT_EQ(Render({"--jobs", "0"}), 2);
    EXPECT_EQ(Render({"--frames", "a-b"}), 2);
    EXPECT_EQ(RunCommandLine({"render"}), 2);
    EXPECT_TRUE(job.FramesOnDisk().empty());
}

}  // namespace
}  // namespace vistagon::cli
