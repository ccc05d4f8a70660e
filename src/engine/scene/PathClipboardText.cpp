#include "scene/PathClipboardText.h"

#include <cctype>
#include <charconv>

namespace vistagon {

namespace {

// One "%d" of the scanf family: blanks (line ends included) skipped, an
// optional sign, digits. Advances pos past what it read; none when no number.
std::optional<int> ScanNumber(std::string_view text, size_t& pos)
{
    size_t at = pos;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    if (at >= text.size() || !std::isdigit(static_cast<unsigned char>(text[at]))) return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
    if (error != std::errc() || value > 0x7FFFFFFFLL + (negative ? 1 : 0)) return std::nullopt;
    pos = static_cast<size_t>(end - text.data());
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

std::string FormatPathClipboardText(const std::vector<PathPoint>& points)
{
    std::string text(kPathClipboardHeader);
    text += "\r\n";
    for (size_t i = 0; i < points.size(); ++i)
        text += std::to_string(i) + "\t" + std::to_string(points[i].x) + "\t" + std::to_string(points[i].y) + "\r\n";
    return text;
}

bool IsPathClipboardText(std::string_view text)
{
    return text.substr(0, kPathClipboardHeader.size()) == kPathClipboardHeader;
}

std::optional<std::vector<PathPoint>> ParsePathClipboardText(std::string_view text)
{
    if (!IsPathClipboardText(text)) return std::nullopt;
    std::vector<PathPoint> points;
    size_t line = std::min(text.size(), kPathClipboardHeader.size() + 2);
    while (line < text.size()) {
        size_t pos = line;
        if (!ScanNumber(text, pos)) break;
        const std::optional<int> x = ScanNumber(text, pos);
        const std::optional<int> y = x ? ScanNumber(text, pos) : std::nullopt;
        if (!y) break;
        points.push_back({*x, *y});
        const size_t newline = text.find('\n', line);
        if (newline == std::string_view::npos) break;
        line = newline + 1;
    }
    return points;
}

}  // namespace vistagon
