#pragma once

#include "import/usgsdem/DemHeader.h"

#include <cstdint>

namespace vistagon {

// The raster that covers the corners of every file of one conversion, at the
// smallest spatial resolution among them. Row 0 is the southern row.
struct DemMergeBounds {
    double minX = 1e12;
    double maxX = -1e12;
    double minY = 1e12;
    double maxY = -1e12;
    double resolutionX = 1e12;
    double resolutionY = 1e12;

    void Add(const DemHeader& header);

    // Whole pixels (possibly out of any usable range: the caller checks).
    double Width() const;
    double Height() const;
    // Where a ground position falls; far outside (not overflowing) for absurd positions.
    int64_t Column(double x) const;
    int64_t Row(double y) const;
};

}  // namespace vistagon
