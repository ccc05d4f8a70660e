#pragma once

#include "render/HeightPyramid.h"

#include <optional>

namespace vistagon {

class Projector;

// Where a box of terrain lies on the picture, in pixel coordinates before they
// are rounded down (rows growing downward).
struct BlockPicture {
    double minX = 0.0;
    double maxX = 0.0;
    double minY = 0.0;
    double maxY = 0.0;
};

// The picture of the box over cells x cells from lattice corner (column, row),
// its heights within range at the projector's z scale: it holds the picture
// of every point inside, give or take the projection's rounding. None when a
// corner of the box is not in front of the eye.
std::optional<BlockPicture> PictureOfBlock(const Projector& projector, double dx, double dy, int column, int row,
                                           int cells, const HeightPyramid::Range& range);

}  // namespace vistagon
