#include "flight/JobFixture.h"
#include "scene/SceneScript.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vistagon {
namespace {

using test::SmallJob;
using test::TestContext;

constexpr int kFrames = 3000;

// vistagon-cli run as a child with TMPDIR a folder of its own and its stderr on
// a pipe of one page: once the pipe is full the child waits for the test to read,
// so the job cannot run to its end before the test has sent its signal.
class CliChild {
public:
    CliChild(const std::vector<std::string>& words, const std::filesystem::path& temporaries)
    {
        int pipeEnds[2];
        if (pipe2(pipeEnds, O_CLOEXEC) != 0) return;
        fcntl(pipeEnds[1], F_SETPIPE_SZ, 4096);
        std::vector<std::string> environment{"TMPDIR=" + temporaries.string()};
        for (char** entry = environ; *entry != nullptr; ++entry)
            if (std::string_view(*entry).rfind("TMPDIR=", 0) != 0) environment.emplace_back(*entry);
        std::vector<std::string> arguments{VISTAGON_CLI};
        arguments.insert(arguments.end(), words.begin(), words.end());
        const std::vector<char*> argv = Pointers(arguments);
        const std::vector<char*> envp = Pointers(environment);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(pipeEnds[1], STDERR_FILENO);
            const int nowhere = open("/dev/null", O_WRONLY);
            dup2(nowhere, STDOUT_FILENO);
            execve(argv[0], argv.data(), envp.data());
            _exit(127);
        }
        close(pipeEnds[1]);
        err_ = fdopen(pipeEnds[0], "r");
    }
    ~CliChild()
    {
        if (pid_ > 0 && !waited_) {
            kill(pid_, SIGKILL);
            Wait();
        }
        if (err_ != nullptr) std::fclose(err_);
    }
    CliChild(const CliChild&) = delete;
    CliChild& operator=(const CliChild&) = delete;

    bool started() const { return pid_ > 0 && err_ != nullptr; }

    // Reads stderr up to a line that begins with prefix (to its end for none); false at its end.
    bool AwaitLine(const std::optional<std::string>& prefix)
    {
        char line[512];
        while (std::fgets(line, sizeof line, err_) != nullptr) {
            text_ += line;
            if (prefix && std::string_view(line).starts_with(*prefix)) return true;
        }
        return false;
    }
    void Signal(int signal) { kill(pid_, signal); }
    // Reads stderr to its end, then waits for the child; its wait status.
    int Wait()
    {
        AwaitLine(std::nullopt);
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        waited_ = true;
        return status;
    }
    const std::string& text() const { return text_; }

private:
    static std::vector<char*> Pointers(const std::vector<std::string>& words)
    {
        std::vector<char*> pointers;
        for (const std::string& word : words) pointers.push_back(const_cast<char*>(word.c_str()));
        pointers.push_back(nullptr);
        return pointers;
    }

    pid_t pid_ = -1;
    std::FILE* err_ = nullptr;
    bool waited_ = false;
    std::string text_;
};

class StopSignalTest : public ::testing::TestWithParam<int> {
protected:
    StopSignalTest()
    {
        std::filesystem::create_directory(temporaries);
        std::filesystem::create_directory(output);
        job.scene.Total = kFrames;
        job.scene.To = kFrames - 1;
        job.scene.OutputFileName = (output / "f%04d.tga").string();
        WriteScene(job.scene, job.File("scene.vgs"));
    }

    TestContext t;
    SmallJob job{t};
    std::filesystem::path temporaries = t.dir.path() / "tmp";
    std::filesystem::path output = t.dir.path() / "out";
};

TEST_P(StopSignalTest, ARenderEndsAsAStopDoesAndThenByTheSignal)
{
    const int signal = GetParam();
    CliChild child({"--profile", t.dir.File("profile.ini"), "render", job.File("scene.vgs"), "--jobs", "2"}, temporaries);
    ASSERT_TRUE(child.started());
    ASSERT_TRUE(child.AwaitLine("frame 1 of")) << child.text();
    // The job's copy of the scene is there while it runs.
    EXPECT_FALSE(std::filesystem::is_empty(temporaries));
    child.Signal(signal);
    const int status = child.Wait();
    ASSERT_TRUE(WIFSIGNALED(status)) << child.text();
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_NE(child.text().find("rendering stopped"), std::string::npos) << child.text();
    EXPECT_TRUE(std::filesystem::is_empty(temporaries));
    int frames = 0;
    for (const auto& entry : std::filesystem::directory_iterator(output)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name.size() == 9 && name[0] == 'f' && name.ends_with(".tga")) << name;
        EXPECT_EQ(entry.file_size(), std::uintmax_t{18 + 32 * 24 * 3}) << name;
        ++frames;
    }
    EXPECT_GE(frames, 1);
    EXPECT_LT(frames, kFrames);
}

INSTANTIATE_TEST_SUITE_P(TermHangUpAndInterrupt, StopSignalTest, ::testing::Values(SIGTERM, SIGHUP, SIGINT));

}  // namespace
}  // namespace vistagon
