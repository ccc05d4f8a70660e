#include "import/asciiregular/PointLine.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace vistagon {

namespace {

bool IsDigit(char c)
{
    return static_cast<unsigned char>(c - '0') < 10;
}

// After cleaning only digits, '-', '.' and blanks remain.
bool IsNumberChar(char c)
{
    return IsDigit(c) || c == '-' || c == '.';
}

// Powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr long kMaxExactPower = 22;
constexpr uint64_t kMaxExactMantissa = uint64_t{1} << 53;
// At most this many digits never overflow the 64-bit mantissa.
constexpr long kMaxMantissaDigits = 19;

// Appends the digits from `at` on to the mantissa (wrapping when there are too many).
const char* TakeDigits(const char* at, const char* end, uint64_t& mantissa)
{
    for (; at != end && IsDigit(*at); ++at) mantissa = mantissa * 10 + static_cast<uint64_t>(*at - '0');
    return at;
}

// What strtod gives for the digits when they are too many or too large for the exact division.
double ConvertSlowly(const char* first, const char* last)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // As strtod, an overflow is infinite and an underflow zero.
        bool nonZeroWhole = false;
        for (const char* p = first; p != last && *p != '.'; ++p) nonZeroWhole = nonZeroWhole || (IsDigit(*p) && *p != '0');
        value = nonZeroWhole ? HUGE_VAL : 0.0;
        if (*first == '-') value = -value;
    }
    return value;
}

// "%lf" on cleaned text: an optional minus, digits, a point, digits, taken
// greedily; it converts only when at least one digit came. Advances `at`.
bool ScanNumber(const char*& at, const char* end, double& value)
{
    while (at != end && !IsNumberChar(*at)) ++at;
    const char* first = at;
    const bool negative = at != end && *at == '-';
    if (negative) ++at;
    uint64_t mantissa = 0;
    const char* whole = at;
    at = TakeDigits(at, end, mantissa);
    long digits = at - whole;
    long fractionDigits = 0;
    if (at != end && *at == '.') {
        const char* fraction = ++at;
        at = TakeDigits(at, end, mantissa);
        fractionDigits = at - fraction;
        digits += fractionDigits;
    }
    if (digits == 0) return false;
    if (digits > kMaxMantissaDigits || mantissa > kMaxExactMantissa || fractionDigits > kMaxExactPower) {
        value = ConvertSlowly(first, at);
        return true;
    }
    // Both operands are exact, so the one rounding of the division is the
    // correctly rounded value of the decimal, as strtod gives it.
    value = static_cast<double>(mantissa) / kExactPowersOfTen[fractionDigits];
    if (negative) value = -value;
    return true;
}

}  // namespace

PointLine ScanPointLine(std::string_view line)
{
    if (const size_t nul = line.find('\0'); nul != std::string_view::npos) line = line.substr(0, nul);
    PointLine result;
    const char* at = line.data();
    const char* end = at + line.size();
    while (result.count < 3 && ScanNumber(at, end, result.values[result.count])) ++result.count;
    return result;
}

}  // namespace vistagon
