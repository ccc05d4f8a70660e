#pragma once

#include "import/irregular/CellLists.h"
#include "import/irregular/Circumcircle.h"
#include "import/irregular/CircleCoverage.h"
#include "import/irregular/GridCells.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vistagon {

// Finds the triangles whose circumcircle holds a point without testing them
// all. Small circles stand in a pyramid of grids over the points' bounds: each
// once, in the finest grid in which its bounding box touches at most two by
// two cells, in the cell of the box's lower left corner, together with a copy
// of the circle, so that a lookup tests the four cells at and below left of
// the point in every grid without touching the triangles. Circles too large
// for the coarsest grid go to a coverage of their own. The boxes are a little
// wider than the circles, so no circle that holds the point is ever left out.
class CircleIndex {
public:
    using Hit = CircleHit;

    CircleIndex(double minX, double minY, double maxX, double maxY, size_t points);

    // Where the circle of triangle `slot` now stands; Remove needs it back.
    uint32_t Add(int slot, const Circumcircle& circle);
    // Takes out a circle that a lookup found.
    void Remove(uint32_t place, const Hit& hit);

    // Calls hit(Hit) for every circle that holds p.
    template <class Visit>
    void ForEachHolding(const PlanePoint& p, Visit visit) const
    {
        for (const Level& level : levels_) {
            if (level.circles == 0) continue;
            const int column = Column(level, p.x);
            const int row = Row(level, p.y);
            for (int r = row > 0 ? row - 1 : row; r <= row; ++r)
                for (int c = column > 0 ? column - 1 : column; c <= column; ++c) TestCell(CellOf(level, c, r), p, visit);
        }
        large_.ForEachHolding(p, visit);
    }

    // Ask the processor to fetch what a lookup of p reads: first the cell
    // heads, some insertions later the lists they point to.
    void PrefetchHeads(const PlanePoint& p) const;
    void PrefetchLists(const PlanePoint& p) const;

private:
    struct Level {
        int side = 1;        // cells along each axis
        double unitX = 0.0;  // cells per unit of x
        double unitY = 0.0;
        size_t first = 0;    // its first cell among all levels'
        size_t circles = 0;
    };

    template <class Visit>
    void TestCell(size_t cell, const PlanePoint& p, Visit& visit) const
    {
        for (const Hit* s = cells_.begin(cell), *end = cells_.end(cell); s != end; ++s)
            if (s->circle.Contains(p)) visit(*s);
    }

    int Column(const Level& level, double x) const { return GridCell((x - minX_) * level.unitX, level.side); }
    int Row(const Level& level, double y) const { return GridCell((y - minY_) * level.unitY, level.side); }
    static size_t CellOf(const Level& level, int column, int row)
    {
        return level.first + static_cast<size_t>(row) * static_cast<size_t>(level.side) + static_cast<size_t>(column);
    }
    Level& LevelOf(uint32_t cell);
    template <class Fetch>
    void ForEachFineCell(const PlanePoint& p, Fetch fetch) const;

    double minX_;
    double minY_;
    std::vector<Level> levels_;  // finest first
    CellLists<Hit> cells_;
    CircleCoverage large_;
};

}  // namespace vistagon
