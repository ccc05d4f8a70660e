#pragma once

#include <string_view>

namespace vistagon {

// The numbers of one text line of x y z points.
struct PointLine {
    int count = 0;  // how many of the three numbers were found (0 to 3)
    double values[3] = {0.0, 0.0, 0.0};
};

// Every character other than a digit, a minus sign or a decimal point separates
// numbers (so plus signs, exponent letters, commas and tabs do); then up to three
// numbers are read as "%lf %lf %lf" reads them, stopping at the first that fails.
// The line ends at its first NUL character, as a C string would.
PointLine ScanPointLine(std::string_view line);

}  // namespace vistagon
