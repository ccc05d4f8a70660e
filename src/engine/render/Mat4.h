#pragma once

#include "render/Vec4.h"

namespace vistagon {

// A 4 x 4 matrix in row-vector convention: a point p is transformed as p * M,
// so the translation sits in the fourth row and products read left to right in
// the order the transformations apply.
struct Mat4 {
    double m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

    static Mat4 Identity() { return Mat4{}; }

    static Mat4 Rows(const Vec4& r0, const Vec4& r1, const Vec4& r2, const Vec4& r3)
    {
        Mat4 result;
        const Vec4* rows[4] = {&r0, &r1, &r2, &r3};
        for (int i = 0; i < 4; ++i) {
            result.m[i][0] = rows[i]->x;
            result.m[i][1] = rows[i]->y;
            result.m[i][2] = rows[i]->z;
            result.m[i][3] = rows[i]->w;
        }
        return result;
    }

    static Mat4 Translation(double x, double y, double z)
    {
        Mat4 result;
        result.m[3][0] = x;
        result.m[3][1] = y;
        result.m[3][2] = z;
        return result;
    }

    Mat4 operator*(const Mat4& o) const
    {
        Mat4 result;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                result.m[i][j] = m[i][0] * o.m[0][j] + m[i][1] * o.m[1][j] + m[i][2] * o.m[2][j] + m[i][3] * o.m[3][j];
        return result;
    }

    // p * M.
    Vec4 Transform(const Vec4& p) const
    {
        return {p.x * m[0][0] + p.y * m[1][0] + p.z * m[2][0] + p.w * m[3][0],
                p.x * m[0][1] + p.y * m[1][1] + p.z * m[2][1] + p.w * m[3][1],
                p.x * m[0][2] + p.y * m[1][2] + p.z * m[2][2] + p.w * m[3][2],
                p.x * m[0][3] + p.y * m[1][3] + p.z * m[2][3] + p.w * m[3][3]};
    }
};

}  // namespace vistagon
