#include "VideoEncoder.h"

#include "platform/TempFiles.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vistagon::cli {

namespace {

bool IsExecutable(const std::filesystem::path& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

// Beside the target, with its extension, so that ffmpeg picks the same container.
std::string PartialName(const std::string& target)
{
    const std::filesystem::path path(target);
    const std::string name = "." + path.stem().string() + ".partial-" + std::to_string(getpid()) + path.extension().string();
    return (path.parent_path() / name).string();
}

}  // namespace

std::optional<std::string> VideoEncoder::FindFfmpeg()
{
    const char* path = std::getenv("PATH");
    std::stringstream folders(path != nullptr ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::filesystem::path candidate = std::filesystem::path(folder.empty() ? "." : folder) / "ffmpeg";
        if (IsExecutable(candidate)) return candidate.string();
    }
    return std::nullopt;
}

VideoEncoder::VideoEncoder(std::string target, int framesPerSecond)
    : target_(std::move(target)), partial_(PartialName(target_)), framesPerSecond_(framesPerSecond)
{
}

VideoEncoder::~VideoEncoder()
{
    Abort();
}

bool VideoEncoder::Start(const std::string& ffmpeg, int width, int height, std::string& error)
{
    width_ = width;
    height_ = height;
    try {
        log_ = MakeTempFileName("VIST");
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error = "cannot make a pipe to ffmpeg";
        return false;
    }
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    // libx264 with yuv420p needs even sides: an odd one gets a copy of its last row or column.
    std::vector<std::string> words = {ffmpeg, "-hide_banner", "-loglevel", "error", "-nostdin", "-y",
                                      "-f", "rawvideo", "-pix_fmt", "bgr24", "-s", size,
                                      "-r", std::to_string(framesPerSecond_), "-i", "pipe:0",
                                      "-vf", "vflip,pad=ceil(iw/2)*2:ceil(ih/2)*2", "-c:v", "libx264",
                                      "-pix_fmt", "yuv420p"};
    if (std::filesystem::path(target_).extension().empty()) words.insert(words.end(), {"-f", "mp4"});
    words.push_back(partial_);
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[0], 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, log_.c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Its own process group keeps Ctrl+C for us; we end its input instead.
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);
    const int spawned = posix_spawn(&child_, ffmpeg.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(fds[0]);
    if (spawned != 0) {
        close(fds[1]);
        child_ = -1;
        error = "cannot start " + ffmpeg;
        return false;
    }
    pipe_ = fds[1];
    // A dead ffmpeg must fail the write, not end this program.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    pipeActionSaved_ = sigaction(SIGPIPE, &ignore, &previousPipeAction_) == 0;
    return true;
}

bool VideoEncoder::Write(const FramePicture& picture)
{
    if (failed_ || pipe_ < 0) return false;
    if (picture.width != width_ || picture.height != height_) {
        failed_ = true;
        return false;
    }
    // Rows go bottom first; ffmpeg turns the picture upright (vflip).
    for (int y = 0; y < picture.height && !failed_; ++y)
        failed_ = !WriteAll(picture.rows + static_cast<size_t>(y) * picture.stride, 3 * static_cast<size_t>(picture.width));
    return !failed_;
}

bool VideoEncoder::WriteAll(const uint8_t* bytes, size_t count)
{
    while (count > 0) {
        const ssize_t written = write(pipe_, bytes, count);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        count -= static_cast<size_t>(written);
    }
    return true;
}

bool VideoEncoder::EndChild()
{
    if (pipe_ >= 0) close(pipe_);
    pipe_ = -1;
    bool clean = false;
    if (child_ > 0) {
        int status = 0;
        pid_t ended;
        do {
            ended = waitpid(child_, &status, 0);
        } while (ended < 0 && errno == EINTR);
        clean = ended == child_ && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    child_ = -1;
    if (pipeActionSaved_) sigaction(SIGPIPE, &previousPipeAction_, nullptr);
    pipeActionSaved_ = false;
    return clean;
}

std::string VideoEncoder::ChildMessages() const
{
    std::ifstream in(log_);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text.empty() ? "ffmpeg said nothing" : text;
}

bool VideoEncoder::Finish(std::string& error)
{
    const bool clean = EndChild();
    bool moved = false;
    if (clean && !failed_) {
        std::error_code code;
        std::filesystem::rename(partial_, target_, code);
        moved = !code;
        if (code) error = "cannot move the video to '" + target_ + "': " + code.message();
    } else {
        error = "ffmpeg failed: " + ChildMessages();
    }
    if (!moved) RemoveFileQuietly(partial_);
    if (!log_.empty()) RemoveFileQuietly(log_);
    log_.clear();
    return moved;
}

void VideoEncoder::Abort()
{
    if (child_ < 0 && log_.empty()) return;
    EndChild();
    RemoveFileQuietly(partial_);
    if (!log_.empty()) RemoveFileQuietly(log_);
    log_.clear();
}

}  // namespace vistagon::cli
