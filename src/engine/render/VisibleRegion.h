#pragma once

#include "render/Vec4.h"

namespace vistagon {

class Projector;

// The part of the terrain the frame can show, in terrain units.
struct VisibleRegion {
    double minX = 0.0;
    double maxX = 0.0;
    double minY = 0.0;
    double maxY = 0.0;
};

// Where the rays through the picture corners meet the ground and the terrain's
// boundary walls, widened to the observer and clamped to the terrain.
VisibleRegion FindVisibleRegion(const Projector& projector, int outputWidth, int outputHeight, double gridWidth,
                                double gridHeight, const Vec4& observer);

}  // namespace vistagon
