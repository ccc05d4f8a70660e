#include "Commands.h"
#include "VideoEncoder.h"
#include "flight/JobFixture.h"
#include "scene/SceneScript.h"
#include "support/CliRunner.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace vistagon::cli {
namespace {

using test::CliResult;
using test::ReadFileBytes;
using test::SmallJob;
using test::TestContext;
using test::WriteFileBytes;

// PATH for one test, given back afterwards.
class PathOverride {
public:
    explicit PathOverride(const std::string& path)
    {
        const char* old = std::getenv("PATH");
        old_ = old != nullptr ? old : "";
        setenv("PATH", path.c_str(), 1);
    }
    ~PathOverride() { setenv("PATH", old_.c_str(), 1); }

private:
    std::string old_;
};

bool NoChildLeft()
{
    int status = 0;
    return waitpid(-1, &status, WNOHANG) == -1 && errno == ECHILD;
}

// Files whose names show a partial video.
bool PartialLeft()
{
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (entry.path().filename().string().find(".partial-") != std::string::npos) return true;
    return false;
}

class VideoRenderTest : public ::testing::Test {
protected:
    VideoRenderTest() : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(t.dir.path());
        job.scene.OutputFileName = "f%02d.tga";
    }
    ~VideoRenderTest() override { std::filesystem::current_path(previous_); }

    CliResult Render(std::vector<std::string> words)
    {
        WriteScene(job.scene, job.File("scene.vgs"));
        words.insert(words.begin(), {"--profile", t.dir.File("profile.ini"), "render", "scene.vgs"});
        return test::RunCli(words);
    }

    std::filesystem::path previous_;
    TestContext t;
    SmallJob job{t};
};

// The decoded frames of a video as bgr24, top row first.
std::string DecodedFrames(const std::string& video)
{
    const std::string command = "ffmpeg -v error -i " + video + " -f rawvideo -pix_fmt bgr24 - 2>/dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string bytes;
    char buffer[4096];
    for (size_t n; pipe != nullptr && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) bytes.append(buffer, n);
    if (pipe != nullptr) pclose(pipe);
    return bytes;
}

// The mean difference between a decoded frame and a saved TGA (bottom row first).
double Difference(const std::string& decoded, size_t frame, const std::string& tga, int width, int height)
{
    const size_t size = 3 * static_cast<size_t>(width) * height;
    const std::string pixels = ReadFileBytes(tga).substr(18, size);
    double sum = 0;
    for (int y = 0; y < height; ++y)
        for (int i = 0; i < 3 * width; ++i) {
            const auto a = static_cast<uint8_t>(decoded[frame * size + static_cast<size_t>(height - 1 - y) * 3 * width + i]);
            const auto b = static_cast<uint8_t>(pixels[static_cast<size_t>(y) * 3 * width + i]);
            sum += std::abs(a - b);
        }
    return sum / static_cast<double>(size);
}

TEST_F(VideoRenderTest, FramesGoIntoTheVideoInOrderBesideTheFrameFiles)
{
    if (!VideoEncoder::FindFfmpeg()) GTEST_SKIP() << "ffmpeg is not on PATH";
    const CliResult r = Render({"--video", "out.mp4", "--jobs", "3", "--fps", "10"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(job.FramesOnDisk(), (std::vector<std::string>{"f00.tga", "f01.tga", "f02.tga"}));
    EXPECT_EQ(ReadFileBytes("out.mp4").substr(4, 4), "ftyp");
    EXPECT_FALSE(PartialLeft());
    EXPECT_TRUE(NoChildLeft());
    const int w = job.scene.SizeX, h = job.scene.SizeY;
    const std::string decoded = DecodedFrames("out.mp4");
    ASSERT_EQ(decoded.size(), 3u * 3u * w * h);
    // Each video frame is upright and closest to its own frame file.
    for (size_t k = 0; k < 3; ++k) {
        const double own = Difference(decoded, k, "f0" + std::to_string(k) + ".tga", w, h);
        EXPECT_LT(own, 12.0) << k;
        for (size_t j = 0; j < 3; ++j)
            if (j != k) EXPECT_LT(own, Difference(decoded, k, "f0" + std::to_string(j) + ".tga", w, h)) << k << " " << j;
    }
}

TEST_F(VideoRenderTest, AnFfmpegThatDiesLeavesNoVideoNoChildAndNoBrokenPipe)
{
    std::filesystem::create_directory("bin");
    WriteFileBytes("bin/ffmpeg", "#!/bin/sh\nexit 3\n");
    std::filesystem::permissions("bin/ffmpeg", std::filesystem::perms::owner_all);
    const PathOverride path(t.dir.File("bin"));
    job.scene.SizeX = 320;  // more than a pipe holds
    job.scene.SizeY = 240;
    const CliResult r = Render({"--video", "out.mp4", "--jobs", "2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot make the video 'out.mp4': ffmpeg failed"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists("out.mp4"));
    EXPECT_FALSE(PartialLeft());
    EXPECT_TRUE(NoChildLeft());
    EXPECT_EQ(job.FramesOnDisk().size(), 3u);  // the frames are written as the scene says
}

TEST_F(VideoRenderTest, WithoutFfmpegNothingIsRendered)
{
    const PathOverride path(t.dir.File("nowhere"));
    const CliResult r = Render({"--video", "out.mp4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("--video needs ffmpeg, which is not on PATH"), std::string::npos) << r.err;
    EXPECT_TRUE(job.FramesOnDisk().empty());
    EXPECT_EQ(Render({"--video", "out.mp4", "--mode", "preview"}).status, 2);
    EXPECT_EQ(Render({"--video", "out.mp4", "--fps", "0"}).status, 2);
}

}  // namespace
}  // namespace vistagon::cli
