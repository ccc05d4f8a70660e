#pragma once

#include "import/irregular/Circumcircle.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vistagon {

// Finds the triangles whose circumcircle may hold a point without testing
// them all: a pyramid of grids over the points' bounds, each circle standing
// in the cells of the finest grid in which its bounding box touches at most
// two by two cells. The boxes are a little wider than the circles, so no circle
// that holds the point is ever left out. Removed triangles leave stale entries
// behind, which the lookups drop as they meet them.
class CircleIndex {
public:
    struct Entry {
        int slot;
        uint32_t generation;  // the slot's use when it was added
    };

    CircleIndex(double minX, double minY, double maxX, double maxY, size_t points);

    void Add(Entry entry, const Circumcircle& circle);

    // Calls visit(slot) for every entry that may hold p and that `current`
    // (slot, generation) still accepts; the others are dropped.
    template <class Current, class Visit>
    void ForEachCandidate(const PlanePoint& p, Current current, Visit visit)
    {
        for (Level& level : levels_) VisitList(level.cells[CellOf(level, p.x, p.y)], current, visit);
    }

    // Drops every stale entry once the entries have doubled since the last
    // sweep, so that cells no point falls in do not keep growing.
    template <class Current>
    void SweepWhenCrowded(Current current)
    {
        if (entries_ < 2 * entriesAfterSweep_ + kSweepSlack) return;
        entries_ = 0;
        for (Level& level : levels_)
            for (std::vector<Entry>& cell : level.cells) entries_ += Compact(cell, current);
        entriesAfterSweep_ = entries_;
    }

private:
    struct Level {
        int side = 1;        // cells along each axis
        double unitX = 0.0;  // cells per unit of x
        double unitY = 0.0;
        std::vector<std::vector<Entry>> cells;
    };

    template <class Current, class Visit>
    void VisitList(std::vector<Entry>& list, Current current, Visit visit)
    {
        size_t kept = 0;
        for (const Entry entry : list) {
            if (!current(entry)) continue;
            list[kept++] = entry;
            visit(entry.slot);
        }
        entries_ -= list.size() - kept;
        list.resize(kept);
    }
    template <class Current>
    static size_t Compact(std::vector<Entry>& list, Current current)
    {
        size_t kept = 0;
        for (const Entry entry : list)
            if (current(entry)) list[kept++] = entry;
        list.resize(kept);
        return kept;
    }

    int Column(const Level& level, double x) const;
    int Row(const Level& level, double y) const;
    size_t CellOf(const Level& level, double x, double y) const;

    static constexpr size_t kSweepSlack = 1 << 16;

    double minX_;
    double minY_;
    std::vector<Level> levels_;  // finest first, the last one a single cell
    size_t entries_ = 0;
    size_t entriesAfterSweep_ = 0;
};

}  // namespace vistagon
