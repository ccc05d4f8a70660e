#pragma once

#include <cstddef>
#include <string_view>

namespace vistagon {

// Reads the decimal number at the start of text, after white space: an optional
// sign, digits with an optional decimal point, an optional exponent; read as far
// as it forms a number (so "1.5e" is 1.5). With fortranExponent the letters D
// and d mark the exponent as well. Hexadecimal, "inf" and "nan" are not numbers
// here. Returns the characters used, 0 when no number starts there (value 0).
size_t ScanLeadingDecimal(std::string_view text, double& value, bool fortranExponent = false);

// The same, giving 0 when nothing is readable.
double LeadingDecimal(std::string_view text, bool fortranExponent = false);

}  // namespace vistagon
