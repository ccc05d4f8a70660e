#pragma once

#include "render/HeightPyramid.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace vistagon {

class Projector;
class TriangleRaster;

// Tells, before any of a cell's points is worked out, that the cell lies in a
// block of cells whose every reachable pixel is taken already: the block's
// box (its cells' extent and its corners' lowest and highest heights at the
// frame's z scale) projected onto the picture, against the raster's coverage.
// Pixels are never given back, so a block once hidden stays hidden for the
// frame. A block reaching behind the eye is never skipped.
class HiddenBlocks {
public:
    HiddenBlocks(HeightPyramid& heights, const Projector& projector, const TriangleRaster& raster, double dx,
                 double dy);

    // The cell with corner (x, y). A row of cells asks about each block once;
    // the next row asks again, the raster having filled in meanwhile.
    bool Hides(double x, double y);

private:
    bool LargeHidden(int column, int row);
    bool SmallHidden(int column, int row);
    // A block of cells x cells by its column and row among those of its size,
    // its flag in flags (across to a row) and its range from rangeOf.
    bool BlockHidden(std::vector<uint8_t>& flags, int across, int column, int row, int cells,
                     bool (HeightPyramid::*rangeOf)(int, int, HeightPyramid::Range&));
    // The box of cells cells square from lattice corner (column, row).
    bool BoxTaken(int column, int row, int cells, const HeightPyramid::Range& range) const;

    HeightPyramid& heights_;
    const Projector& projector_;
    const TriangleRaster& raster_;
    double dx_;
    double dy_;
    std::vector<uint8_t> smallHidden_;
    std::vector<uint8_t> largeHidden_;
    // The row of cells asked about last, the columns of its small block, and
    // the answers for that block and for its large one.
    double rowY_ = std::numeric_limits<double>::quiet_NaN();
    double from_ = 0.0;
    double to_ = 0.0;
    bool answer_ = false;
    int large_ = -1;
    bool largeAnswer_ = false;
};

}  // namespace vistagon
