#include "import/irregular/CircleIndex.h"

#include <cmath>

namespace vistagon {

namespace {

// About two points a cell of the finest grid once all are in; at most 2048 x 2048 cells.
constexpr int kMaxSide = 2048;
// Widens each box well beyond the rounding of the containment test.
constexpr double kBoxMargin = 1e-9;

int FinestSide(size_t points)
{
    int side = 1;
    while (side < kMaxSide && static_cast<size_t>(side) * static_cast<size_t>(side) * 2 < points) side *= 2;
    return side;
}

double CellsPerUnit(double minimum, double maximum, int side)
{
    const double range = maximum - minimum;
    return range > 0.0 && std::isfinite(range) ? side / range : 0.0;
}

int CellIndex(double at, int side)
{
    if (!(at > 0.0)) return 0;  // also NaN
    return at >= side ? side - 1 : static_cast<int>(at);
}

}  // namespace

CircleIndex::CircleIndex(double minX, double minY, double maxX, double maxY, size_t points) : minX_(minX), minY_(minY)
{
    for (int side = FinestSide(points); side >= 1; side /= 2) {
        Level level;
        level.side = side;
        level.unitX = CellsPerUnit(minX, maxX, side);
        level.unitY = CellsPerUnit(minY, maxY, side);
        level.cells.resize(static_cast<size_t>(side) * static_cast<size_t>(side));
        levels_.push_back(std::move(level));
    }
}

int CircleIndex::Column(const Level& level, double x) const
{
    return CellIndex((x - minX_) * level.unitX, level.side);
}

int CircleIndex::Row(const Level& level, double y) const
{
    return CellIndex((y - minY_) * level.unitY, level.side);
}

size_t CircleIndex::CellOf(const Level& level, double x, double y) const
{
    return static_cast<size_t>(Row(level, y)) * static_cast<size_t>(level.side) + static_cast<size_t>(Column(level, x));
}

void CircleIndex::Add(Entry entry, const Circumcircle& circle)
{
    const double radius = std::sqrt(circle.r2);
    const double reach = radius + kBoxMargin * (radius + std::fabs(circle.cx) + std::fabs(circle.cy));
    // An infinite reach spans every cell of the coarse grid that takes it; a
    // NaN circle holds no point, so where it stands does not matter.
    for (Level& level : levels_) {
        // Cell positions grow with the coordinate, so a point inside the box
        // lies in a cell between those of the box's corners.
        const int left = Column(level, circle.cx - reach), right = Column(level, circle.cx + reach);
        const int bottom = Row(level, circle.cy - reach), top = Row(level, circle.cy + reach);
        if (right - left > 1 || top - bottom > 1) continue;
        for (int row = bottom; row <= top; ++row) {
            for (int column = left; column <= right; ++column) {
                level.cells[static_cast<size_t>(row) * static_cast<size_t>(level.side) + static_cast<size_t>(column)].push_back(entry);
                ++entries_;
            }
        }
        return;
    }
}

}  // namespace vistagon
