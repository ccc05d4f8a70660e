#include "render/CellStencil.h"

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

void CellStencil::SelectRows(double y)
{
    if (rowsSelected_ && rowsY_ == y) return;
    for (size_t k = 0; k < 4; ++k) rows_[k] = heights_.Select(points_[k == 0 ? 0 : k == 1 ? 2 : k == 2 ? 6 : 10].y);
    rowsY_ = y;
    rowsSelected_ = true;
}

double CellStencil::Height(int i, double x)
{
    return rows_[static_cast<size_t>(kLineOf[i])].At(x);
}

void CellStencil::PlacePoints(double x, double y)
{
    const double xs[kPoints] = {x, x + dx_, x - dx_, x, x + dx_, x + 2 * dx_,
                                x - dx_, x, x + dx_, x + 2 * dx_, x, x + dx_};
    const double ys[kPoints] = {y - dy_, y - dy_, y, y, y, y, y + dy_, y + dy_, y + dy_, y + dy_, y + 2 * dy_, y + 2 * dy_};
    for (int i = 0; i < kPoints; ++i) points_[static_cast<size_t>(i)] = Vec4::Point(xs[i], ys[i], 0.0);
}

void CellStencil::Build(double x, double y)
{
    PlacePoints(x, y);
    rowsSelected_ = false;
    SelectRows(y);
    for (int i = 0; i < kPoints; ++i) {
        Vec4& point = points_[static_cast<size_t>(i)];
        point.z = Height(i, point.x);
    }
    n3_ = StarNormal(points_, kStar3);
    n4_ = StarNormal(points_, kStar4);
    n7_ = StarNormal(points_, kStar7);
    n8_ = StarNormal(points_, kStar8);
}

void CellStencil::Advance(double x, double y, bool toRight)
{
    const std::array<Vec4, kPoints> previous = points_;
    const int* carriedFrom = toRight ? kCarriedRight : kCarriedLeft;
    PlacePoints(x, y);
    SelectRows(y);
    bool carried[kPoints] = {};
    for (int i = 0; i < kPoints; ++i) {
        Vec4& point = points_[static_cast<size_t>(i)];
        const int from = carriedFrom[i];
        if (from >= 0 && previous[static_cast<size_t>(from)].x == point.x &&
            previous[static_cast<size_t>(from)].y == point.y) {
            point.z = previous[static_cast<size_t>(from)].z;
            carried[i] = true;
        } else {
            point.z = Height(i, point.x);
        }
    }
    // Moving right the old east corners become the west ones; moving left the reverse.
    const Vec4 oldWest3 = n3_, oldWest7 = n7_, oldEast4 = n4_, oldEast8 = n8_;
    if (toRight) {
        n3_ = AllCarried(carried, kStar3) ? oldEast4 : StarNormal(points_, kStar3);
        n7_ = AllCarried(carried, kStar7) ? oldEast8 : StarNormal(points_, kStar7);
        n4_ = StarNormal(points_, kStar4);
        n8_ = StarNormal(points_, kStar8);
    } else {
        n4_ = AllCarried(carried, kStar4) ? oldWest3 : StarNormal(points_, kStar4);
        n8_ = AllCarried(carried, kStar8) ? oldWest7 : StarNormal(points_, kStar8);
        n3_ = StarNormal(points_, kStar3);
        n7_ = StarNormal(points_, kStar7);
    }
}

}  // namespace vistagon
