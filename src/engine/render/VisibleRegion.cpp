#include "render/VisibleRegion.h"

#include "render/Projector.h"

#include <algorithm>
#include <array>

namespace vistagon {

namespace {

struct Plane {
    Vec4 p0, p1, p2;
    bool wall;  // walls count only hits above the ground
};

void Include(VisibleRegion& region, double x, double y)
{
    region.minX = std::min(region.minX, x);
    region.maxX = std::max(region.maxX, x);
    region.minY = std::min(region.minY, y);
    region.maxY = std::max(region.maxY, y);
}

}  // namespace

VisibleRegion FindVisibleRegion(const Projector& projector, int outputWidth, int outputHeight, double gridWidth,
                                double gridHeight, const Vec4& observer)
{
    VisibleRegion region{gridWidth, 0.0, gridHeight, 0.0};
    const double w = outputWidth;
    const double h = outputHeight;
    const std::array<std::array<double, 2>, 4> corners{{{0, h}, {w, h}, {w, 0}, {0, 0}}};
    const std::array<Plane, 5> planes{{
        {Vec4::Point(0, 0, 0), Vec4::Point(1, 0, 0), Vec4::Point(0, 1, 0), false},
        {Vec4::Point(0, 0, 0), Vec4::Point(0, 1, 0), Vec4::Point(0, 0, 1), true},
        {Vec4::Point(0, 0, 0), Vec4::Point(1, 0, 0), Vec4::Point(0, 0, 1), true},
        {Vec4::Point(gridWidth, 0, 0), Vec4::Point(gridWidth, 1, 0), Vec4::Point(gridWidth, 0, 1), true},
        {Vec4::Point(0, gridHeight, 0), Vec4::Point(1, gridHeight, 0), Vec4::Point(0, gridHeight, 1), true},
    }};
    for (const Plane& plane : planes) {
        for (const auto& corner : corners) {
            Vec4 hit;
            const double t = projector.HitPlane(corner[0], corner[1], plane.p0, plane.p1, plane.p2, hit);
            if (t > 0.0 && (!plane.wall || hit.z > 0.0)) Include(region, hit.x, hit.y);
        }
    }
    Include(region, observer.x, observer.y);
    region.minX = std::max(region.minX, 0.0);
    region.minY = std::max(region.minY, 0.0);
    region.maxX = std::min(region.maxX, gridWidth);
    region.maxY = std::min(region.maxY, gridHeight);
    return region;
}

}  // namespace vistagon
