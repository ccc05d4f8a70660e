#include "import/irregular/PointLocator.h"

namespace vistagon {

namespace {

// About two points a cell at the finest level once all are in; at most 2048 x 2048 cells.
constexpr int kMaxSide = 2048;

int FinestSide(size_t points)
{
    int side = 1;
    while (side < kMaxSide && static_cast<size_t>(side) * static_cast<size_t>(side) * 2 < points) side *= 2;
    return side;
}

double UnitScale(double minimum, double maximum)
{
    const double range = maximum - minimum;
    return range > 0.0 ? 1.0 / range : 0.0;
}

int CellIndex(double unit, int side)
{
    const double at = unit * side;
    if (!(at > 0.0)) return 0;  // also NaN
    return at >= side ? side - 1 : static_cast<int>(at);
}

}  // namespace

PointLocator::PointLocator(double minX, double minY, double maxX, double maxY, size_t points)
    : minX_(minX), minY_(minY), unitX_(UnitScale(minX, maxX)), unitY_(UnitScale(minY, maxY))
{
    for (int side = FinestSide(points); side >= 1; side /= 2) {
        Level level;
        level.side = side;
        level.cells.assign(static_cast<size_t>(side) * static_cast<size_t>(side), -1);
        levels_.push_back(std::move(level));
    }
}

size_t PointLocator::CellOf(const Level& level, const PlanePoint& p) const
{
    const int cx = CellIndex((p.x - minX_) * unitX_, level.side);
    const int cy = CellIndex((p.y - minY_) * unitY_, level.side);
    return static_cast<size_t>(cy) * static_cast<size_t>(level.side) + static_cast<size_t>(cx);
}

void PointLocator::Remember(int vertex, const PlanePoint& p)
{
    for (Level& level : levels_) level.cells[CellOf(level, p)] = vertex;
}

}  // namespace vistagon
