#include "render/BlockPicture.h"

#include "render/Projector.h"

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

// The picture of a box with every corner in front of the eye holds the
// picture of every point inside it, give or take the rounding of the
// projection: a share of the sizes the sums are made of.
std::optional<BlockPicture> PictureOfBlock(const Projector& projector, double dx, double dy, int column, int row,
                                           int cells, const HeightPyramid::Range& range)
{
    const double xs[2] = {(column - kCellSlack) * dx, (column + cells + kCellSlack) * dx};
    const double ys[2] = {(row - kCellSlack) * dy, (row + cells + kCellSlack) * dy};
    const double a = range.low * projector.zScale();
    const double b = range.high * projector.zScale();
    const double slack = (std::fabs(a) + std::fabs(b) + 1.0) * kHeightSlack;
    const double zs[2] = {std::min(a, b) - slack, std::max(a, b) + slack};
    const auto& m = projector.matrix().m;
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
                if (!(w > 0.0)) return std::nullopt;
                const double px = (base[0] + z * m[2][0]) / w;
                const double py = -((base[1] + z * m[2][1]) / w);
                if (!std::isfinite(px) || !std::isfinite(py)) return std::nullopt;
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
    return BlockPicture{minX - errorX, maxX + errorX, minY - errorY, maxY + errorY};
}

}  // namespace vistagon
