#include "platform/NumberParsing.h"

#include "platform/TextFormat.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace vistagon {

int ParseLeadingInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return static_cast<int>(value);
}

std::optional<double> ScanDouble(std::string_view text)
{
    const std::string copy(text);
    const char* begin = copy.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin) return std::nullopt;
    return value;
}

std::optional<int> ScanInt(std::string_view text)
{
    const std::string copy(text);
    const char* begin = copy.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (end == begin) return std::nullopt;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::optional<uint32_t> ScanHex(std::string_view text)
{
    const std::string copy(text);
    const char* begin = copy.c_str();
    char* end = nullptr;
    const unsigned long value = std::strtoul(begin, &end, 16);
    if (end == begin) return std::nullopt;
    return static_cast<uint32_t>(value);
}

std::string FormatFixed(double value)
{
    return FormatText("%f", value);
}

std::string FormatShortest(double value)
{
    // Plain digits where they stay short (as WKT and people write numbers), else an exponent.
    const double magnitude = std::fabs(value);
    const bool plain = magnitude == 0.0 || (magnitude >= 1e-4 && magnitude < 1e15);
    char buffer[64];
    const std::to_chars_result result =
        plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace vistagon
