#include "import/irregular/NodalTriangleRaster.h"

#include "image/CTGAFile.h"
#include "image/ElevationEncoding.h"
#include "platform/Truncate.h"

#include <algorithm>
#include <utility>

namespace vistagon {

namespace {

constexpr double kRaise = 0.00001;

// The pixels of one image row, written directly: this is the hot loop.
class RowWriter {
public:
    explicit RowWriter(CTGAFile& image)
        : base_(image.PixelBase()), stride_(image.Stride()), width_(image.GetWidth()), height_(image.GetHeight())
    {
    }

    int height() const { return height_; }

    // Pixels from the smaller to the larger of trunc(xa) and trunc(xb), the
    // larger excluded, get za ... zb interpolated from trunc(xa) on.
    void Span(int y, double xa, double za, double xb, double zb) const
    {
        const int ia = TruncateToInt(xa);
        const int ib = TruncateToInt(xb);
        const long long first = std::max<long long>(std::min(ia, ib), 0);
        const long long last = std::min<long long>(std::max(ia, ib), width_);
        const double da = static_cast<double>(ia);
        const double run = static_cast<double>(ib) - da;
        uint8_t* row = base_ + static_cast<size_t>(y) * stride_;
        for (long long x = first; x < last; ++x) {
            const Bgr c = EncodeElevation(TruncateToInt(za + (zb - za) * (static_cast<double>(x) - da) / run));
            uint8_t* p = row + 3 * static_cast<size_t>(x);
            p[0] = c.b;
            p[1] = c.g;
            p[2] = c.r;
        }
    }

private:
    uint8_t* base_;
    size_t stride_;
    int width_;
    int height_;
};

double ClampBetween(double value, double end1, double end2)
{
    return std::clamp(value, std::min(end1, end2), std::max(end1, end2));
}

// The whole rows from first to last (inclusive, either direction) that lie in the image.
struct RowRange {
    long long from;
    long long to;
};

RowRange ClipRows(long long first, long long last, int height)
{
    return {std::max<long long>(first, 0), std::min<long long>(last, static_cast<long long>(height) - 1)};
}

void DrawTriangle(NodalPoint v0, NodalPoint v1, NodalPoint v2, const RowWriter& out)
{
    // Sorted by y, equal ones keeping their order.
    if (v0.y > v1.y) std::swap(v0, v1);
    if (v1.y > v2.y) std::swap(v1, v2);
    if (v0.y > v1.y) std::swap(v0, v1);
    if (v0.y == v1.y) v0.y += kRaise;
    if (v0.y == v2.y) v0.y += kRaise;
    if (v1.y == v2.y) v1.y += 2.0 * kRaise;

    const RowRange lower = ClipRows(TruncateToInt(v0.y), TruncateToInt(v1.y), out.height());
    for (long long row = lower.from; row <= lower.to; ++row) {
        const double y = static_cast<double>(row);
        const double xa = ClampBetween(v0.x + (y - v0.y) * (v1.x - v0.x) / (v1.y - v0.y), v0.x, v1.x);
        const double xb = ClampBetween(v0.x + (y - v0.y) * (v2.x - v0.x) / (v2.y - v0.y), v0.x, v2.x);
        const double za = v0.z + (y - v0.y) * (v1.z - v0.z) / (v1.y - v0.y);
        const double zb = v0.z + (y - v0.y) * (v2.z - v0.z) / (v2.y - v0.y);
        out.Span(static_cast<int>(row), xa, za, xb, zb);
    }
    const RowRange upper = ClipRows(static_cast<long long>(TruncateToInt(v1.y)) + 1, TruncateToInt(v2.y), out.height());
    for (long long row = upper.to; row >= upper.from; --row) {
        const double y = static_cast<double>(row);
        const double xa = ClampBetween(v2.x + (y - v2.y) * (v1.x - v2.x) / (v1.y - v2.y), v1.x, v2.x);
        const double xb = ClampBetween(v2.x + (y - v2.y) * (v0.x - v2.x) / (v0.y - v2.y), v0.x, v2.x);
        const double za = v2.z + (y - v2.y) * (v1.z - v2.z) / (v1.y - v2.y);
        const double zb = v2.z + (y - v2.y) * (v0.z - v2.z) / (v0.y - v2.y);
        out.Span(static_cast<int>(row), xa, za, xb, zb);
    }
}

}  // namespace

void RasteriseNodalTriangles(const std::vector<NodalPoint>& points, const std::vector<DelaunayTriangle>& triangles,
                             CTGAFile& image)
{
    const RowWriter out(image);
    // The list follows the insertion, not the plane: the vertices of the
    // triangles a little ahead are fetched while this one is drawn.
    constexpr size_t kAhead = 8;
    for (size_t i = 0; i < triangles.size(); ++i) {
        if (i + kAhead < triangles.size())
            for (const int v : triangles[i + kAhead].v) __builtin_prefetch(&points[static_cast<size_t>(v)]);
        const DelaunayTriangle& t = triangles[i];
        DrawTriangle(points[static_cast<size_t>(t.v[0])], points[static_cast<size_t>(t.v[1])],
                     points[static_cast<size_t>(t.v[2])], out);
    }
}

}  // namespace vistagon
