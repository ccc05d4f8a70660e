#include "import/asciiregular/PointLine.h"

#include <charconv>
#include <cmath>

namespace vistagon {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// After cleaning only digits, '-', '.' and blanks remain.
bool IsNumberChar(char c)
{
    return IsDigit(c) || c == '-' || c == '.';
}

// "%lf" on cleaned text: an optional minus, digits, a point, digits, taken
// greedily; it converts only when at least one digit came. Advances `at`.
bool ScanNumber(std::string_view text, size_t& at, double& value)
{
    while (at < text.size() && !IsNumberChar(text[at])) ++at;
    const size_t begin = at;
    if (at < text.size() && text[at] == '-') ++at;
    bool digits = false;
    for (; at < text.size() && IsDigit(text[at]); ++at) digits = true;
    if (at < text.size() && text[at] == '.') {
        ++at;
        for (; at < text.size() && IsDigit(text[at]); ++at) digits = true;
    }
    if (!digits) return false;
    const char* first = text.data() + begin;
    const char* last = text.data() + at;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // Too many digits: as strtod, an overflow is infinite and an underflow zero.
        const bool negative = *first == '-';
        bool nonZeroWhole = false;
        for (const char* p = first; p != last && *p != '.'; ++p) nonZeroWhole = nonZeroWhole || (IsDigit(*p) && *p != '0');
        value = nonZeroWhole ? HUGE_VAL : 0.0;
        if (negative) value = -value;
    }
    return error == std::errc() || error == std::errc::result_out_of_range;
}

}  // namespace

PointLine ScanPointLine(std::string_view line)
{
    if (const size_t nul = line.find('\0'); nul != std::string_view::npos) line = line.substr(0, nul);
    PointLine result;
    size_t at = 0;
    while (result.count < 3 && ScanNumber(line, at, result.values[result.count])) ++result.count;
    return result;
}

}  // namespace vistagon
