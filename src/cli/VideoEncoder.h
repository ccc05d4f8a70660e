#pragma once

#include "flight/FramePicture.h"

#include <csignal>
#include <optional>
#include <string>
#include <sys/types.h>

namespace vistagon::cli {

// An ffmpeg child that turns raw frames on its standard input into an H.264
// video (yuv420p). It writes beside the target and the video is moved into
// place only by Finish; every other way out removes it. The child is always
// waited for, and a child that dies only makes the writes fail (no SIGPIPE).
class VideoEncoder {
public:
    // The ffmpeg on PATH, or none.
    static std::optional<std::string> FindFfmpeg();

    VideoEncoder(std::string target, int framesPerSecond);
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;

    // Starts ffmpeg for frames of the given size; false with the reason.
    bool Start(const std::string& ffmpeg, int width, int height, std::string& error);
    // One frame; false once ffmpeg has gone (then every later write is dropped).
    bool Write(const FramePicture& picture);
    bool failed() const { return failed_; }
    // Ends the input, waits and moves the video in place; false with the reason.
    bool Finish(std::string& error);
    // Ends the input, waits and removes the partial video.
    void Abort();
    const std::string& target() const { return target_; }

private:
    bool WriteAll(const uint8_t* bytes, size_t count);
    // Closes the pipe and waits; true when ffmpeg exited with status 0.
    bool EndChild();
    std::string ChildMessages() const;

    std::string target_;
    std::string partial_;
    std::string log_;
    int framesPerSecond_;
    int width_ = 0;
    int height_ = 0;
    pid_t child_ = -1;
    int pipe_ = -1;
    bool failed_ = false;
    struct sigaction previousPipeAction_ {};
    bool pipeActionSaved_ = false;
};

}  // namespace vistagon::cli
