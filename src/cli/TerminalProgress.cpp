#include "TerminalProgress.h"

#include "platform/NumberParsing.h"

#include <algorithm>
#include <unistd.h>

namespace vistagon::cli {

TerminalProgress::TerminalProgress(std::FILE* stream)
    : stream_(stream), live_(isatty(fileno(stream)) != 0), start_(std::chrono::steady_clock::now()), lastDraw_(start_)
{
}

TerminalProgress::~TerminalProgress()
{
    Break();
}

void TerminalProgress::SetLabel(std::string label)
{
    std::lock_guard lock(mutex_);
    if (label != label_) lastPlainDecile_ = -1;
    label_ = std::move(label);
}

double TerminalProgress::ElapsedSeconds() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

std::string TerminalProgress::FormatDuration(double seconds)
{
    const long total = static_cast<long>(seconds + 0.5);
    char text[32];
    if (total >= 3600) std::snprintf(text, sizeof text, "%ldh%02ldm", total / 3600, (total / 60) % 60);
    else if (total >= 60) std::snprintf(text, sizeof text, "%ldm%02lds", total / 60, total % 60);
    else std::snprintf(text, sizeof text, "%lds", total);
    return text;
}

void TerminalProgress::SetText(std::string_view text)
{
    std::lock_guard lock(mutex_);
    if (text == lastText_) return;
    lastText_ = std::string(text);
    if (text.empty()) return;
    const int percent = text.back() == '%' ? ParseLeadingInt(text) : -1;
    if (percent < 0) {
        if (drawn_) std::fputc('\n', stream_);
        drawn_ = false;
        std::fprintf(stream_, "%.*s\n", static_cast<int>(text.size()), text.data());
        return;
    }
    Draw(percent);
}

void TerminalProgress::Draw(int percent)
{
    const std::string prefix = label_.empty() ? "" : label_ + " ";
    if (!live_) {
        const int decile = percent / 10;
        if (decile == lastPlainDecile_) return;
        lastPlainDecile_ = decile;
        std::fprintf(stream_, "%s%d%%\n", prefix.c_str(), percent);
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (percent == lastPercent_ && now - lastDraw_ < std::chrono::milliseconds(200)) return;
    lastPercent_ = percent;
    lastDraw_ = now;
    constexpr int kWidth = 30;
    const int filled = std::clamp(percent, 0, 100) * kWidth / 100;
    std::fprintf(stream_, "\r%s[%.*s%*s] %3d%%  %s\033[K", prefix.c_str(), filled, "##############################",
                 kWidth - filled, "", percent, FormatDuration(ElapsedSeconds()).c_str());
    std::fflush(stream_);
    drawn_ = true;
}

void TerminalProgress::Break()
{
    std::lock_guard lock(mutex_);
    if (drawn_) std::fputc('\n', stream_);
    drawn_ = false;
    lastText_.clear();
    lastPercent_ = -1;
}

}  // namespace vistagon::cli
