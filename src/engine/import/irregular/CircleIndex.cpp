#include "import/irregular/CircleIndex.h"

#include <algorithm>
#include <cmath>

namespace vistagon {

int CircleIndex::FinestSide(size_t points)
{
    int side = 1;
    while (side < kMaxSide && static_cast<size_t>(side) * static_cast<size_t>(side) * 4 < points) side *= 2;
    return side;
}

int CircleIndex::CoarsestSide(size_t points)
{
    return std::min(FinestSide(points), kCoarsestSide);
}

size_t CircleIndex::CellCount(size_t points)
{
    size_t cells = 0;
    for (int side = FinestSide(points); side >= CoarsestSide(points); side /= 2)
        cells += static_cast<size_t>(side) * static_cast<size_t>(side);
    return cells;
}

CircleIndex::CircleIndex(double minX, double minY, double maxX, double maxY, size_t points)
    : minX_(minX), minY_(minY), cells_(CellCount(points)), large_(minX, minY, maxX, maxY, points)
{
    size_t first = 0;
    for (int side = FinestSide(points); side >= CoarsestSide(points); side /= 2) {
        Level level;
        level.side = side;
        level.unitX = GridUnit(minX, maxX, side);
        level.unitY = GridUnit(minY, maxY, side);
        level.first = first;
        first += static_cast<size_t>(side) * static_cast<size_t>(side);
        levels_.push_back(level);
    }
    // A triangulation keeps about two triangles a point, the blocks are not
    // full: room enough that the pool never moves.
    cells_.Reserve(points * 6 + 4096);
}

uint32_t CircleIndex::Add(int slot, const Circumcircle& circle)
{
    const double reach = CircleReach(circle);
    // Cell positions grow with the coordinate, so a point inside the box lies
    // in a cell between those of the box's corners. A NaN circle holds no
    // point, so where it stands does not matter.
    for (Level& level : levels_) {
        const int left = Column(level, circle.cx - reach);
        const int bottom = Row(level, circle.cy - reach);
        if (Column(level, circle.cx + reach) - left > 1 || Row(level, circle.cy + reach) - bottom > 1) continue;
        const size_t cell = CellOf(level, left, bottom);
        cells_.Push(cell, {circle, slot});
        ++level.circles;
        return static_cast<uint32_t>(cell);
    }
    return large_.Add({circle, slot});
}

CircleIndex::Level& CircleIndex::LevelOf(uint32_t cell)
{
    size_t level = 0;
    while (level + 1 < levels_.size() && cell >= levels_[level + 1].first) ++level;
    return levels_[level];
}

void CircleIndex::Remove(uint32_t place, const Hit& hit)
{
    if (CircleCoverage::Holds(place)) {
        large_.Remove(place, hit);
        return;
    }
    cells_.RemoveFirst(place, [&hit](const Hit& s) { return s.slot == hit.slot; });
    --LevelOf(place).circles;
}

}  // namespace vistagon
