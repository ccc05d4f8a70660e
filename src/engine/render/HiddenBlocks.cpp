#include "render/HiddenBlocks.h"

#include "render/Projector.h"
#include "render/TriangleRaster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vistagon {

namespace {

// A block's box reaches this share of a cell beyond its lattice lines (the
// walk's coordinates are sums of steps), and its heights this share beyond
// their range (the bilinear lookup's rounding).
constexpr double kCellSlack = 0.01;
constexpr double kHeightSlack = 1e-9;
// Far more than the relative error of a projection's few sums and quotient.
constexpr double kRounding = 1e-12;

}  // namespace

HiddenBlocks::HiddenBlocks(HeightPyramid& heights, const Projector& projector, const TriangleRaster& raster,
                           double dx, double dy)
    : heights_(heights), projector_(projector), raster_(raster), dx_(dx), dy_(dy),
      smallHidden_(static_cast<size_t>(heights.smallAcross()) * static_cast<size_t>(heights.smallDown())),
      largeHidden_(static_cast<size_t>(heights.largeAcross()) * static_cast<size_t>(heights.largeDown()))
{
}

bool HiddenBlocks::Hides(double x, double y)
{
    // Most cells fall in the block of the cell before them.
    if (y == rowY_ && x >= from_ && x < to_) return answer_;
    const double column = std::floor(x / dx_ + 0.5);
    const double row = std::floor(y / dy_ + 0.5);
    if (!(column >= 0 && row >= 0 && column < heights_.smallAcross() * HeightPyramid::kSmall &&
          row < heights_.smallDown() * HeightPyramid::kSmall)) {
        rowY_ = std::numeric_limits<double>::quiet_NaN();
        return false;
    }
    const int i = static_cast<int>(column);
    const int j = static_cast<int>(row);
    if (y != rowY_) {
        rowY_ = y;
        large_ = -1;
    }
    const int largeColumn = i / HeightPyramid::kLarge;
    const int largeRow = j / HeightPyramid::kLarge;
    const int large = largeRow * heights_.largeAcross() + largeColumn;
    if (large != large_) {
        large_ = large;
        largeAnswer_ = LargeHidden(largeColumn, largeRow);
    }
    const int smallColumn = i / HeightPyramid::kSmall;
    answer_ = largeAnswer_ || SmallHidden(smallColumn, j / HeightPyramid::kSmall);
    // The cells whose corner rounds to this block's columns.
    from_ = (smallColumn * HeightPyramid::kSmall - 0.5) * dx_;
    to_ = ((smallColumn + 1) * HeightPyramid::kSmall - 0.5) * dx_;
    return answer_;
}

bool HiddenBlocks::LargeHidden(int column, int row)
{
    return BlockHidden(largeHidden_, heights_.largeAcross(), column, row, HeightPyramid::kLarge, &HeightPyramid::Large);
}

bool HiddenBlocks::SmallHidden(int column, int row)
{
    return BlockHidden(smallHidden_, heights_.smallAcross(), column, row, HeightPyramid::kSmall, &HeightPyramid::Small);
}

bool HiddenBlocks::BlockHidden(std::vector<uint8_t>& flags, int across, int column, int row, int cells,
                               bool (HeightPyramid::*rangeOf)(int, int, HeightPyramid::Range&))
{
    uint8_t& hidden = flags[static_cast<size_t>(row) * static_cast<size_t>(across) + static_cast<size_t>(column)];
    HeightPyramid::Range range;
    if (!hidden && (heights_.*rangeOf)(column, row, range)) hidden = BoxTaken(column * cells, row * cells, cells, range);
    return hidden != 0;
}

// The picture of a box with every corner in front of the eye holds the
// picture of every point inside it, give or take the rounding of the
// projection: a share of the sizes the sums are made of.
bool HiddenBlocks::BoxTaken(int column, int row, int cells, const HeightPyramid::Range& range) const
{
    const double xs[2] = {(column - kCellSlack) * dx_, (column + cells + kCellSlack) * dx_};
    const double ys[2] = {(row - kCellSlack) * dy_, (row + cells + kCellSlack) * dy_};
    const double a = range.low * projector_.zScale();
    const double b = range.high * projector_.zScale();
    const double slack = (std::fabs(a) + std::fabs(b) + 1.0) * kHeightSlack;
    const double zs[2] = {std::min(a, b) - slack, std::max(a, b) + slack};
    const auto& m = projector_.matrix().m;
    const double reach[3] = {std::max(std::fabs(xs[0]), std::fabs(xs[1])), std::max(std::fabs(ys[0]), std::fabs(ys[1])),
                             std::max(std::fabs(zs[0]), std::fabs(zs[1]))};
    const auto size = [&](int k) {
        return reach[0] * std::fabs(m[0][k]) + reach[1] * std::fabs(m[1][k]) + reach[2] * std::fabs(m[2][k]) +
               std::fabs(m[3][k]);
    };
    double minX = std::numeric_limits<double>::infinity();
    double maxX = -minX;
    double minY = minX;
    double maxY = -minX;
    double nearest = minX;
    for (const double x : xs) {
        for (const double y : ys) {
            const double base[3] = {x * m[0][0] + y * m[1][0] + m[3][0], x * m[0][1] + y * m[1][1] + m[3][1],
                                    x * m[0][3] + y * m[1][3] + m[3][3]};
            for (const double z : zs) {
                const double w = base[2] + z * m[2][3];
                if (!(w > 0.0)) return false;
                const double px = (base[0] + z * m[2][0]) / w;
                const double py = -((base[1] + z * m[2][1]) / w);
                if (!std::isfinite(px) || !std::isfinite(py)) return false;
                minX = std::min(minX, px);
                maxX = std::max(maxX, px);
                minY = std::min(minY, py);
                maxY = std::max(maxY, py);
                nearest = std::min(nearest, w);
            }
        }
    }
    // Both a corner's picture and that of a point inside may be off by this much.
    const double across = std::max(std::fabs(minX), std::fabs(maxX));
    const double down = std::max(std::fabs(minY), std::fabs(maxY));
    const double errorX = 2 * kRounding * (size(0) + across * size(3)) / nearest;
    const double errorY = 2 * kRounding * (size(1) + down * size(3)) / nearest;
    minX -= errorX;
    maxX += errorX;
    minY -= errorY;
    maxY += errorY;
    return raster_.BoundsTaken(minX, maxX, minY, maxY);
}

}  // namespace vistagon
