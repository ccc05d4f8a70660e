#pragma once

#include <cmath>

namespace vistagon {

// A point (w = 1) or a direction (w = 0) in terrain coordinates.
struct Vec4 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 0.0;

    Vec4 operator+(const Vec4& o) const { return {x + o.x, y + o.y, z + o.z, w + o.w}; }
    Vec4 operator-(const Vec4& o) const { return {x - o.x, y - o.y, z - o.z, w - o.w}; }
    Vec4 operator*(double s) const { return {x * s, y * s, z * s, w * s}; }
    Vec4 operator/(double s) const { return {x / s, y / s, z / s, w / s}; }

    // Cross product of the x, y, z parts; the result's w is 1.
    Vec4 Cross(const Vec4& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x, 1.0}; }
    // Over all four components.
    double Dot(const Vec4& o) const { return x * o.x + y * o.y + z * o.z + w * o.w; }
    double Length() const { return std::sqrt(x * x + y * y + z * z); }
    // x, y, z divided by the length; a zero length leaves the vector unchanged.
    void Normalize()
    {
        const double length = Length();
        if (length != 0.0) {
            x /= length;
            y /= length;
            z /= length;
        }
    }

    static Vec4 Point(double x, double y, double z) { return {x, y, z, 1.0}; }
    static Vec4 Direction(double x, double y, double z) { return {x, y, z, 0.0}; }
};

}  // namespace vistagon
