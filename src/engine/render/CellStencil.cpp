#include "render/CellStencil.h"

#include <algorithm>
#include <iterator>

namespace vistagon {

namespace {

// Which old point lies where a new point goes after a step to the right or to
// the left, when the coordinates agree (-1: none can).
constexpr int kCarriedRight[CellStencil::kPoints] = {1, -1, 3, 4, 5, -1, 7, 8, 9, -1, 11, -1};
constexpr int kCarriedLeft[CellStencil::kPoints] = {-1, 0, -1, 2, 3, 4, -1, 6, 7, 8, -1, 10};

// The neighbours S, E, N, W of the four corners.
struct CornerStar {
    int p, south, east, north, west;
};
constexpr CornerStar kStar3{3, 0, 4, 7, 2};
constexpr CornerStar kStar4{4, 1, 5, 8, 3};
constexpr CornerStar kStar7{7, 3, 8, 10, 6};
constexpr CornerStar kStar8{8, 4, 9, 11, 7};

Vec4 StarNormal(const std::array<Vec4, CellStencil::kPoints>& points, const CornerStar& star)
{
    const Vec4& centre = points[static_cast<size_t>(star.p)];
    const Vec4 s = points[static_cast<size_t>(star.south)] - centre;
    const Vec4 e = points[static_cast<size_t>(star.east)] - centre;
    const Vec4 n = points[static_cast<size_t>(star.north)] - centre;
    const Vec4 w = points[static_cast<size_t>(star.west)] - centre;
    Vec4 normal = (s.Cross(e) + e.Cross(n) + n.Cross(w) + w.Cross(s)) / 4.0;
    normal.Normalize();
    return normal;
}

bool AllCarried(const bool (&carried)[CellStencil::kPoints], const CornerStar& star)
{
    return carried[star.p] && carried[star.south] && carried[star.east] && carried[star.north] && carried[star.west];
}

}  // namespace

CellStencil::CellStencil(const ElevationGrid& elevation, double zScale, double dx, double dy, double divisionsX)
    : heights_(elevation, zScale, dx, divisionsX), dx_(dx), dy_(dy)
{
}

namespace {

// The line of each point: y - dy, y, y + dy, y + 2dy.
constexpr int kLineOf[CellStencil::kPoints] = {0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3};

}  // namespace

void CellStencil::SelectRows(double y, const double (&lineYs)[4])
{
    if (rowsSelected_ && rowsY_ == y) return;
    for (size_t k = 0; k < 4; ++k) rows_[k] = heights_.Select(lineYs[k]);
    rowsY_ = y;
    rowsSelected_ = true;
}

void CellStencil::LineYs(double y, double (&lineYs)[4]) const
{
    lineYs[0] = y - dy_;
    lineYs[1] = y;
    lineYs[2] = y + dy_;
    lineYs[3] = y + 2 * dy_;
}

void CellStencil::PointXs(double x, double (&xs)[kPoints]) const
{
    const double placed[kPoints] = {x, x + dx_, x - dx_, x, x + dx_, x + 2 * dx_,
                                    x - dx_, x, x + dx_, x + 2 * dx_, x, x + dx_};
    for (int i = 0; i < kPoints; ++i) xs[i] = placed[i];
}

double CellStencil::Height(int i, double x)
{
    return rows_[static_cast<size_t>(kLineOf[i])].At(x);
}

void CellStencil::Build(double x, double y)
{
    double xs[kPoints];
    double lineYs[4];
    PointXs(x, xs);
    LineYs(y, lineYs);
    rowsSelected_ = false;
    SelectRows(y, lineYs);
    for (int i = 0; i < kPoints; ++i)
        points_[static_cast<size_t>(i)] = Vec4::Point(xs[i], lineYs[kLineOf[i]], Height(i, xs[i]));
    known_ = {};
    std::fill(std::begin(carried_), std::end(carried_), false);
}

const Vec4& CellStencil::Normal(int corner) const
{
    static constexpr CornerStar kStars[4] = {kStar3, kStar4, kStar7, kStar8};
    const size_t k = static_cast<size_t>(corner);
    if (!known_[k]) {
        normals_[k] = StarNormal(points_, kStars[k]);
        known_[k] = true;
    }
    return normals_[k];
}

// A point is carried from its old neighbour on the side the step goes to;
// replacing the points from the other side reads each old one before it is overwritten.
template <bool ToRight>
void CellStencil::ShiftPoints(double x, double y)
{
    constexpr const int* carriedFrom = ToRight ? kCarriedRight : kCarriedLeft;
    double xs[kPoints];
    double lineYs[4];
    PointXs(x, xs);
    LineYs(y, lineYs);
    SelectRows(y, lineYs);
#pragma GCC unroll 12
    for (int k = 0; k < kPoints; ++k) {
        const int i = ToRight ? k : kPoints - 1 - k;
        const int from = carriedFrom[i];
        const double px = xs[i];
        const double py = lineYs[kLineOf[i]];
        double z;
        carried_[i] = from >= 0 && points_[static_cast<size_t>(from)].x == px &&
                      points_[static_cast<size_t>(from)].y == py;
        if (carried_[i])
            z = points_[static_cast<size_t>(from)].z;
        else
            z = Height(i, px);
        points_[static_cast<size_t>(i)] = Vec4::Point(px, py, z);
    }
}

void CellStencil::Advance(double x, double y, bool toRight)
{
    if (toRight)
        ShiftPoints<true>(x, y);
    else
        ShiftPoints<false>(x, y);
    // Moving right the old east corners become the west ones; moving left the
    // reverse. A normal not worked out yet stays so.
    const auto carry = [this](size_t to, size_t from, bool whole) {
        known_[to] = whole && known_[from];
        if (known_[to]) normals_[to] = normals_[from];
    };
    if (toRight) {
        carry(0, 1, AllCarried(carried_, kStar3));
        carry(2, 3, AllCarried(carried_, kStar7));
        known_[1] = known_[3] = false;
    } else {
        carry(1, 0, AllCarried(carried_, kStar4));
        carry(3, 2, AllCarried(carried_, kStar8));
        known_[0] = known_[2] = false;
    }
}

}  // namespace vistagon
