#pragma once

#include "render/BlockPicture.h"
#include "render/CellSink.h"
#include "render/HeightPyramid.h"

#include <cstdint>
#include <limits>
#include <optional>
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
    // After Hides said yes: the cells of that row in the same hidden block.
    CellRun HiddenRun() const { return run_; }

private:
    // Where a block's box lies on the picture, for one row of blocks.
    struct Picture {
        int row = -1;
        std::optional<BlockPicture> box;
    };
    // The blocks of one size: hidden flags, and the pictures of a row of them.
    struct Level {
        Level(int blocksAcross, int blocksDown);
        int across;
        std::vector<uint8_t> hidden;
        std::vector<Picture> pictures;
    };

    // Where the cells of a lattice column begin, between corners.
    double ColumnEdge(int column) const;
    bool LargeHidden(int column, int row);
    CellRun LargeRun(int column, int row);
    bool SmallHidden(int column, int row);
    // A block of cells x cells by its column and row among those of its size,
    // and its range from rangeOf.
    bool BlockHidden(Level& level, int column, int row, int cells,
                     bool (HeightPyramid::*rangeOf)(int, int, HeightPyramid::Range&));

    HeightPyramid& heights_;
    const Projector& projector_;
    const TriangleRaster& raster_;
    double dx_;
    double dy_;
    Level smallBlocks_;
    Level largeBlocks_;
    // The row of cells asked about last, the columns of its small block, and
    // the answers for that block and for its large one.
    double rowY_ = std::numeric_limits<double>::quiet_NaN();
    double from_ = 0.0;
    double to_ = 0.0;
    bool answer_ = false;
    int large_ = -1;
    bool largeAnswer_ = false;
    CellRun run_;
};

}  // namespace vistagon
