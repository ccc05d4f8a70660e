#include "RenderProgressDisplay.h"

#include "platform/TextFormat.h"

#include <unistd.h>

namespace vistagon::cli {

RenderProgressDisplay::RenderProgressDisplay(TerminalProgress& bar, std::FILE* stream, int firstFrame)
    : bar_(bar), stream_(stream), live_(isatty(fileno(stream)) != 0), firstFrame_(firstFrame),
      start_(std::chrono::steady_clock::now())
{
}

double RenderProgressDisplay::Elapsed() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

std::string RenderProgressDisplay::Remaining(double elapsedSeconds, double fraction)
{
    if (fraction >= 1.0) return TerminalProgress::FormatDuration(0.0);
    // Below a hundredth the first frame's set-up dominates and the guess is noise.
    if (!(fraction >= 0.01)) return "?";
    return TerminalProgress::FormatDuration(elapsedSeconds * (1.0 - fraction) / fraction);
}

void RenderProgressDisplay::Show(const JobProgress& progress)
{
    const double elapsed = Elapsed();
    const std::string remaining = Remaining(elapsed, progress.fraction);
    if (!live_) {
        for (; linesFor_ < progress.framesDone; ++linesFor_)
            std::fprintf(stream_, "frame %d of %d done, elapsed %s, ETA %s\n", linesFor_ + 1, progress.framesTotal,
                         TerminalProgress::FormatDuration(elapsed).c_str(), remaining.c_str());
        std::fflush(stream_);
        return;
    }
    const int current = progress.frame >= 0 ? progress.frame - firstFrame_ + 1 : progress.framesDone;
    bar_.SetLabel(FormatText("frame %d of %d, ETA %s", current, progress.framesTotal, remaining.c_str()));
    bar_.SetText(FormatText("%d%%", progress.frame >= 0 ? progress.framePercent : 100));
}

void RenderProgressDisplay::Finish()
{
    bar_.Break();
}

}  // namespace vistagon::cli
