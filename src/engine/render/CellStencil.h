#pragma once

#include "render/HeightLines.h"
#include "render/Vec4.h"

#include <array>

namespace vistagon {

class ElevationGrid;

// The twelve terrain points around one mesh cell and the normals of its four
// corners. With (x, y) the cell corner:
//
//            V10 V11              y + 2dy
//        V6  V7  V8  V9           y + dy
//        V2  V3  V4  V5           y
//            V0  V1               y - dy
//   x - dx   x  x+dx x+2dx
//
// The cell's corners are V3, V4, V7, V8; the others serve the normals only.
class CellStencil {
public:
    static constexpr int kPoints = 12;

    // Heights are stored values times zScale; divisionsX sizes the rows of heights kept.
    CellStencil(const ElevationGrid& elevation, double zScale, double dx, double dy, double divisionsX = 0.0);

    // Every point and normal computed afresh.
    void Build(double x, double y);
    // The stencil of the neighbouring cell in the same row (x = the new corner,
    // one step to the right when toRight, else to the left). A height or normal
    // is carried over only where its coordinates come out bit for bit the same
    // as the full computation, so the result always equals Build(x, y).
    void Advance(double x, double y, bool toRight);

    const Vec4& V(int i) const { return points_[static_cast<size_t>(i)]; }
    // Whether the last Advance took point i over whole from the stencil before.
    bool CarriedOver(int i) const { return carried_[i]; }
    // The corner normals are worked out when first asked for: most cells of a
    // frame lie hidden behind nearer ones and never need theirs.
    const Vec4& N3() const { return Normal(0); }
    const Vec4& N4() const { return Normal(1); }
    const Vec4& N7() const { return Normal(2); }
    const Vec4& N8() const { return Normal(3); }
    // By corner: 0 = V3, 1 = V4, 2 = V7, 3 = V8.
    const Vec4& Normal(int corner) const;

private:
    // The x of each point, and the y of the stencil's four lines.
    void PointXs(double x, double (&xs)[kPoints]) const;
    void LineYs(double y, double (&lineYs)[4]) const;
    // The heights of point i, on the stencil's four lines (selected once per row).
    double Height(int i, double x);
    void SelectRows(double y, const double (&lineYs)[4]);
    // Advance's points and heights, noting in carried_ which were carried over.
    template <bool ToRight>
    void ShiftPoints(double x, double y);

    HeightLines heights_;
    std::array<HeightLines::Row, 4> rows_{};
    double rowsY_ = 0.0;
    bool rowsSelected_ = false;
    double dx_;
    double dy_;
    std::array<Vec4, kPoints> points_{};
    bool carried_[kPoints] = {};
    // A cache of what the points give: answers are the same whenever they are worked out.
    mutable std::array<Vec4, 4> normals_{};
    mutable std::array<bool, 4> known_{};
};

}  // namespace vistagon
