#pragma once

#include <climits>

namespace vistagon {

// Truncation toward zero as a C cast does it, but defined for every double:
// values beyond the int range (and NaN) become INT_MIN, which lies outside
// every raster.
inline int TruncateToInt(double value)
{
    if (!(value > -2147483649.0 && value < 2147483648.0)) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace vistagon
