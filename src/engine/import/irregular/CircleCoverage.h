#pragma once

#include "import/irregular/CellLists.h"
#include "import/irregular/Circumcircle.h"
#include "import/irregular/GridCells.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace vistagon {

// Where the large circles stand: each in every cell of a coarse grid that it
// reaches into, so that a lookup tests only the circles of the point's cell.
// Near the edges of the points the circles that pass by the enclosing
// triangle's corners are huge, but inside the bounds they only cover a thin
// band. A circle that would fill too many cells, or that arrives when the grid
// holds too many copies already, goes to one list that every lookup tests.
class CircleCoverage {
public:
    CircleCoverage(double minX, double minY, double maxX, double maxY, size_t points);

    static bool Holds(uint32_t place) { return place >= kCovered; }

    // Where the circle now stands, to be handed back to Remove.
    uint32_t Add(const CircleHit& hit);
    void Remove(uint32_t place, const CircleHit& hit);

    template <class Visit>
    void ForEachHolding(const PlanePoint& p, Visit& visit) const
    {
        if (covered_ > 0) {
            const size_t cell = CellOf(GridCell((p.x - minX_) * unitX_, kSide), GridCell((p.y - minY_) * unitY_, kSide));
            for (const CircleHit* s = cells_.begin(cell), *end = cells_.end(cell); s != end; ++s)
                if (s->circle.Contains(p)) visit(*s);
        }
        for (const CircleHit& s : everywhere_)
            if (s.circle.Contains(p)) visit(s);
    }

private:
    static constexpr uint32_t kCovered = 0xFFFFFFFEu;
    static constexpr uint32_t kEverywhere = 0xFFFFFFFFu;
    static constexpr int kSide = 64;
    static constexpr size_t kMaxCells = kSide;

    static size_t CellOf(int column, int row) { return static_cast<size_t>(row) * kSide + static_cast<size_t>(column); }
    // Calls reached(row, first column, last column) for the cells the circle reaches into.
    template <class Reached>
    void ForEachReached(const Circumcircle& circle, Reached reached) const;
    template <class Reached>
    void ReachedWhile(const Circumcircle& circle, Reached reached) const;
    double CellLow(double minimum, double unit, int cell) const;
    double CellHigh(double minimum, double unit, int cell) const;

    double minX_;
    double minY_;
    double unitX_;
    double unitY_;
    double margin_;       // widens every cell beyond the rounding of the cell lookup
    size_t maxCopies_;    // copies the grid may hold before circles go everywhere
    size_t copies_ = 0;
    size_t covered_ = 0;  // circles in the grid
    CellLists<CircleHit> cells_;
    std::vector<CircleHit> everywhere_;
    std::unordered_map<int, size_t> everywhereAt_;  // by slot, where in everywhere_ its circle is
};

}  // namespace vistagon
