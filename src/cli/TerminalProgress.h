#pragma once

#include "platform/UserInteraction.h"

#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>

namespace vistagon::cli {

// Progress on stderr: a live bar redrawn in place when stderr is a terminal,
// plain lines (one per ten percent) otherwise.
class TerminalProgress : public ProgressText {
public:
    explicit TerminalProgress(std::FILE* stream);
    ~TerminalProgress() override;

    // A label shown before the bar, e.g. "frame 3 of 60".
    void SetLabel(std::string label);
    void SetText(std::string_view text) override;
    // Ends a live bar line so that following output starts on a new line.
    void Break();

    // Seconds since the progress started, and a text like "1m05s".
    double ElapsedSeconds() const;
    static std::string FormatDuration(double seconds);

private:
    void Draw(int percent);

    std::FILE* stream_;
    bool live_;
    bool drawn_ = false;
    int lastPercent_ = -1;
    int lastPlainDecile_ = -1;
    std::string label_;
    std::string lastText_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastDraw_;
    std::mutex mutex_;
};

}  // namespace vistagon::cli
