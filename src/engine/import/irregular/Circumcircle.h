#pragma once

#include <cmath>

namespace vistagon {

struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

// A triangle's circumcircle as the insertion keeps it: centre and squared radius.
struct Circumcircle {
    double cx = 0.0;
    double cy = 0.0;
    double r2 = 0.0;

    // Squared radius minus the squared distance, axis by axis, never below 0:
    // a point on the circle counts as inside.
    bool Contains(const PlanePoint& p) const
    {
        const double dx = p.x - cx;
        double rest = r2 - dx * dx;
        if (!(rest >= 0.0)) return false;
        const double dy = p.y - cy;
        rest -= dy * dy;
        return rest >= 0.0;
    }

    // The same test with both terms always computed: no branch to mispredict
    // in the loops that test many circles of which few hold the point.
    bool ContainsBranchless(const PlanePoint& p) const
    {
        const double dx = p.x - cx;
        const double dy = p.y - cy;
        const double rest = r2 - dx * dx;
        return (rest >= 0.0) & (rest - dy * dy >= 0.0);
    }
};

// A triangle's circle as the index keeps it, with the triangle's slot.
struct CircleHit {
    Circumcircle circle;
    int slot = -1;
};

// Half the side of a box around the circle that holds every point the
// containment test accepts: wider than the radius by far more than the
// rounding of the test.
inline double CircleReach(const Circumcircle& circle)
{
    constexpr double kBoxMargin = 1e-9;
    const double radius = std::sqrt(circle.r2);
    return radius + kBoxMargin * (radius + std::fabs(circle.cx) + std::fabs(circle.cy));
}

// The circle through the edge (a, b) and the new point p: Cramer's rule on
// (v - p) . c = (|v|^2 - |p|^2) / 2 for v = a, b; a determinant of exactly 0
// becomes 1e-12. The squared radius is measured to p.
inline Circumcircle CircleThrough(const PlanePoint& a, const PlanePoint& b, const PlanePoint& p)
{
    const double a11 = a.x - p.x;
    const double a12 = a.y - p.y;
    const double a21 = b.x - p.x;
    const double a22 = b.y - p.y;
    const double pp = p.x * p.x + p.y * p.y;
    const double r1 = (a.x * a.x + a.y * a.y - pp) / 2.0;
    const double r2 = (b.x * b.x + b.y * b.y - pp) / 2.0;
    double det = a11 * a22 - a21 * a12;
    if (det == 0.0) det = 1e-12;
    Circumcircle circle;
    circle.cx = (r1 * a22 - r2 * a12) / det;
    circle.cy = (a11 * r2 - a21 * r1) / det;
    const double dx = p.x - circle.cx;
    const double dy = p.y - circle.cy;
    circle.r2 = dx * dx + dy * dy;
    return circle;
}

}  // namespace vistagon
