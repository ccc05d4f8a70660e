#include "import/binarydem/DecimalText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace vistagon {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsExponentMarker(char c, bool fortranExponent)
{
    return c == 'e' || c == 'E' || (fortranExponent && (c == 'd' || c == 'D'));
}

// from_chars leaves the value alone on overflow and underflow; decide which by
// the number's decimal magnitude, as strtod would (HUGE_VAL or 0).
double OutOfRange(long long magnitude, bool negative)
{
    const double value = magnitude > 0 ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

}  // namespace

size_t ScanLeadingDecimal(std::string_view text, double& value, bool fortranExponent)
{
    value = 0.0;
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    std::string number;  // normalised for from_chars: no '+', exponent marker 'e'
    long long integerDigits = 0;
    size_t mantissaDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits, ++integerDigits) number += text[i];
    if (i < text.size() && text[i] == '.') {
        number += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) number += text[i];
    }
    if (mantissaDigits == 0) return 0;

    long long exponent = 0;
    if (i < text.size() && IsExponentMarker(text[i], fortranExponent)) {
        size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
        if (j < text.size() && IsDigit(text[j])) {
            number += negativeExponent ? "e-" : "e";
            for (; j < text.size() && IsDigit(text[j]); ++j) {
                number += text[j];
                if (exponent < 1000000000) exponent = exponent * 10 + (text[j] - '0');
            }
            if (negativeExponent) exponent = -exponent;
            i = j;
        }
    }

    double parsed = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), parsed);
    (void)end;
    if (error == std::errc::result_out_of_range) value = OutOfRange(integerDigits + exponent, negative);
    else value = negative ? -parsed : parsed;
    return i;
}

double LeadingDecimal(std::string_view text, bool fortranExponent)
{
    double value = 0.0;
    ScanLeadingDecimal(text, value, fortranExponent);
    return value;
}

}  // namespace vistagon
