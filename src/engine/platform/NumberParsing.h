#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vistagon {

// Leading-digits integer reading as the profile functions do it: optional blanks,
// an optional sign, digits; 0 when there are none; saturates at the int range.
int ParseLeadingInt(std::string_view text);

// "%lf" reading: the double at the start of the text (after blanks), or none.
std::optional<double> ScanDouble(std::string_view text);

// "%d" reading: the int at the start of the text (after blanks), or none.
std::optional<int> ScanInt(std::string_view text);

// "%lX" reading: the hexadecimal number at the start of the text, or none.
std::optional<uint32_t> ScanHex(std::string_view text);

// "%f" formatting (six decimals, C locale).
std::string FormatFixed(double value);

// The shortest text that reads back as the same double, in any locale: plain
// digits from 1e-4 to 1e15, with an exponent beyond.
std::string FormatShortest(double value);

}  // namespace vistagon
