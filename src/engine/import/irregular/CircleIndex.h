#pragma once

#include "import/irregular/CellLists.h"
#include "import/irregular/Circumcircle.h"
#include "import/irregular/CircleCoverage.h"
#include "import/irregular/GridCells.h"

#include <bit>
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
        // Every cell's list is located before any is read, so that the
        // processor waits for the lists of all levels at once, not one by one.
        CellSpan spans[kMaxLookupCells];
        size_t count = 0;
        for (const Level& level : levels_) {
            if (level.circles == 0) continue;
            const int column = Column(level, p.x);
            const int row = Row(level, p.y);
            for (int r = row > 0 ? row - 1 : row; r <= row; ++r)
                for (int c = column > 0 ? column - 1 : column; c <= column; ++c) {
                    const size_t cell = CellOf(level, c, r);
                    spans[count++] = {cells_.begin(cell), cells_.end(cell)};
                }
        }
        for (size_t i = 0; i < count; ++i) __builtin_prefetch(spans[i].begin);
        // The circles that hold p are noted without a branch, since most do not.
        const Hit* holding[kHoldingBuffer];
        size_t found = 0;
        for (size_t i = 0; i < count; ++i)
            for (const Hit* s = spans[i].begin; s != spans[i].end; ++s) {
                holding[found] = s;
                found += s->circle.ContainsBranchless(p);
                if (found == kHoldingBuffer) {
                    for (const Hit* h : holding) visit(*h);
                    found = 0;
                }
            }
        for (size_t k = 0; k < found; ++k) visit(*holding[k]);
        large_.ForEachHolding(p, visit);
    }

private:
    // About four points a cell of the finest grid once all are in, at most this many cells a side.
    static constexpr int kMaxSide = 2048;
    // Circles too large for a grid this coarse go to the coverage.
    static constexpr int kCoarsestSide = 16;
    // Four cells in each grid from the finest to the coarsest.
    static constexpr size_t kMaxLookupCells = 4 * std::bit_width(static_cast<unsigned>(kMaxSide / kCoarsestSide));
    static constexpr size_t kHoldingBuffer = 64;

    struct Level {
        int side = 1;        // cells along each axis
        double unitX = 0.0;  // cells per unit of x
        double unitY = 0.0;
        size_t first = 0;    // its first cell among all levels'
        size_t circles = 0;
    };

    struct CellSpan {
        const Hit* begin;
        const Hit* end;
    };

    static int FinestSide(size_t points);
    static int CoarsestSide(size_t points);
    static size_t CellCount(size_t points);
    int Column(const Level& level, double x) const { return GridCell((x - minX_) * level.unitX, level.side); }
    int Row(const Level& level, double y) const { return GridCell((y - minY_) * level.unitY, level.side); }
    static size_t CellOf(const Level& level, int column, int row)
    {
        return level.first + static_cast<size_t>(row) * static_cast<size_t>(level.side) + static_cast<size_t>(column);
    }
    Level& LevelOf(uint32_t cell);

    double minX_;
    double minY_;
    std::vector<Level> levels_;  // finest first
    CellLists<Hit> cells_;
    CircleCoverage large_;
};

}  // namespace vistagon
