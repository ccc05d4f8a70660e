#pragma once

#include "TerminalProgress.h"
#include "flight/RenderHost.h"

#include <chrono>
#include <cstdio>

namespace vistagon::cli {

// The progress of a render job on stderr: on a terminal the live bar with
// "frame i of n", the current frame's percent, the elapsed time and an
// estimate of what is left; otherwise one plain line per finished frame.
class RenderProgressDisplay {
public:
    // firstFrame: the animation index of the job's first frame.
    RenderProgressDisplay(TerminalProgress& bar, std::FILE* stream, int firstFrame);

    void Show(const JobProgress& progress);
    // Ends the bar's line.
    void Finish();

    // "1m05s", or "?" while too little is done to tell.
    static std::string Remaining(double elapsedSeconds, double fraction);

private:
    double Elapsed() const;

    TerminalProgress& bar_;
    std::FILE* stream_;
    bool live_;
    int firstFrame_;
    int linesFor_ = 0;  // frames already announced by plain lines
    std::chrono::steady_clock::time_point start_;
};

}  // namespace vistagon::cli
