#pragma once

#include "import/binarydem/BinaryHeaderInfo.h"

#include <string>

namespace vistagon {

// The fields of the binary raster dialog, with its initial values.
struct BinaryDemOptions {
    std::string headerPath;
    std::string sourcePath;
    std::string targetPath;
    double upperLeftX = 0.0;  // centre of the region's upper-left pixel, map units
    double upperLeftY = 0.0;
    double extentX = 0.0;  // size of the region, map units
    double extentY = 0.0;
    double zScale = 256.0;
    bool keepNodata = false;

    // What the dialog shows once a header has loaded: the whole raster.
    void TakeHeaderGeometry(const BinaryHeaderInfo& header)
    {
        upperLeftX = header.ulX;
        upperLeftY = header.ulY;
        extentX = header.cols * header.xdim;
        extentY = header.rows * header.ydim;
    }
};

// The size of the 24-bit output in KBytes, as the dialog's size label shows it.
long OutputSizeKBytes(const BinaryDemOptions& options, const BinaryHeaderInfo& header);

}  // namespace vistagon
