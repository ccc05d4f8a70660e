#pragma once

#include <cmath>

namespace vistagon {

// Cells per unit when `side` cells span minimum ... maximum; 0 puts every
// coordinate into the first cell.
inline double GridUnit(double minimum, double maximum, int side)
{
    const double range = maximum - minimum;
    return range > 0.0 && std::isfinite(range) ? side / range : 0.0;
}

// The cell of a position counted in cells; outside ones go to the edge cells.
// It never decreases as the position grows, which the circle lookups rely on.
inline int GridCell(double at, int side)
{
    if (!(at > 0.0)) return 0;  // also NaN
    return at >= side ? side - 1 : static_cast<int>(at);
}

}  // namespace vistagon
