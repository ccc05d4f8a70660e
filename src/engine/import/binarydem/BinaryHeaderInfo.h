#pragma once

#include <string>

namespace vistagon {

// The geometry of a raw raster as its header file describes it. Every field
// starts at its initial value at the beginning of each header read.
struct BinaryHeaderInfo {
    // The value of a coordinate or pixel size the header did not give.
    static constexpr double kMissing = -999999.999999;

    int rows = -1;
    int cols = -1;
    int bands = 1;
    int nbits = -1;
    std::string byteOrder = "I";
    double ulX = kMissing;  // centre of the upper-left pixel
    double ulY = kMissing;
    double lrX = kMissing;  // lower-right pixel
    double lrY = kMissing;
    double xdim = kMissing;  // pixel size in map units
    double ydim = kMissing;
    std::string mapUnits = "deg";
    int nodata = -1;
    // Only a NODATA line makes samples replaceable: -1 is an ordinary height otherwise.
    bool nodataGiven = false;
    std::string layout = "BIL";

    static bool IsMissing(double value) { return value == kMissing; }
    // "motorola" or "m" (after lower-casing) is big-endian; everything else little-endian.
    bool IsBigEndian() const { return byteOrder == "motorola" || byteOrder == "m"; }
    // Whether "Keep NODATA values" means anything for this header.
    bool KeepNodataSelectable() const { return nodataGiven; }
};

}  // namespace vistagon
