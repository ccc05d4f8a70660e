#include "render/TriangleRaster.h"

#include "image/CTGAFile.h"
#include "platform/Truncate.h"
#include "render/Projector.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vistagon {

namespace {

// The step of an edge that spans no rows: steep enough to leave the picture at once.
constexpr double kFlatEdgeStep = 3.4028235e38;

double EdgeStep(int run, int rise)
{
    return rise == 0 ? run * kFlatEdgeStep : static_cast<double>(run) / rise;
}

// Span ends may lie far outside the picture (flat edges); clamp before converting.
int ClampedFloor(double edge, int low, int high)
{
    const double value = std::floor(edge);
    if (!(value > low)) return low;
    if (value > high) return high;
    return static_cast<int>(value);
}

uint8_t ShadedByte(double value, double cosine, double keep, int haze)
{
    const int shaded = static_cast<int>(value * cosine * keep) + haze;
    return static_cast<uint8_t>(std::min(shaded, 255));
}

}  // namespace

TriangleRaster::TriangleRaster(CTGAFile& image, Projector& projector, const Vec4& light, int xMax, int yMax,
                               bool highQuality, PixelCoverage& coverage, PictureStrip strip)
    : image_(image), projector_(projector), texture_(projector.texture()), light_(light),
      xMax_(xMax), yMax_(yMax), highQuality_(highQuality), coverage_(coverage)
{
    light_.Normalize();
    hazeLevel_ = std::fabs(light_.z);
    lastColumn_ = std::min(xMax_, image_.GetWidth() - 1);
    stripLeft_ = std::max(xMin_, strip.left);
    stripRight_ = std::min(lastColumn_, strip.right);
    // Image row r is raster row yMax - r.
    firstRow_ = std::max(yMin_, yMax_ - std::min(image_.GetHeight() - 1, strip.high));
    lastRow_ = yMax_ - std::max(strip.low, 0);
    base_ = image_.PixelBase();
    stride_ = image_.Stride();
}

void TriangleRaster::PlaneGradients(const RasterVertex (&v)[3], Shading& shading)
{
    const long long x0 = v[0].x, y0 = v[0].y, x1 = v[1].x, y1 = v[1].y, x2 = v[2].x, y2 = v[2].y;
    const long long determinant = x0 * (y1 - y2) + x1 * (y2 - y0) + x2 * (y0 - y1);
    if (determinant == 0) {
        shading.flat = true;
        shading.average = (*v[0].normal + *v[1].normal + *v[2].normal) / 3.0;
        return;
    }
    shading.flat = false;
    const double det = static_cast<double>(determinant);
    const double ay[3] = {static_cast<double>(y1 - y2), static_cast<double>(y2 - y0), static_cast<double>(y0 - y1)};
    const double bx[3] = {static_cast<double>(x2 - x1), static_cast<double>(x0 - x2), static_cast<double>(x1 - x0)};
    const double dxy[3] = {static_cast<double>(x1 * y2 - x2 * y1), static_cast<double>(x2 * y0 - x0 * y2),
                           static_cast<double>(x0 * y1 - x1 * y0)};
    const auto solve = [&](double c0, double c1, double c2) {
        return Gradient{(c0 * ay[0] + c1 * ay[1] + c2 * ay[2]) / det, (c0 * bx[0] + c1 * bx[1] + c2 * bx[2]) / det,
                        (c0 * dxy[0] + c1 * dxy[1] + c2 * dxy[2]) / det};
    };
    const Vec4& n0 = *v[0].normal;
    const Vec4& n1 = *v[1].normal;
    const Vec4& n2 = *v[2].normal;
    shading.nx = solve(n0.x, n1.x, n2.x);
    shading.ny = solve(n0.y, n1.y, n2.y);
    shading.nz = solve(n0.z, n1.z, n2.z);
}

void TriangleRaster::SortByRow(RasterVertex (&vertices)[3])
{
    // Stable, top of the picture first.
    if (vertices[1].y < vertices[0].y) std::swap(vertices[0], vertices[1]);
    if (vertices[2].y < vertices[1].y) {
        std::swap(vertices[1], vertices[2]);
        if (vertices[1].y < vertices[0].y) std::swap(vertices[0], vertices[1]);
    }
}

bool TriangleRaster::Hidden(const RasterVertex (&vertices)[3]) const
{
    RasterVertex sorted[3] = {vertices[0], vertices[1], vertices[2]};
    SortByRow(sorted);
    const Corner corners[3] = {{sorted[0].x, sorted[0].y}, {sorted[1].x, sorted[1].y}, {sorted[2].x, sorted[2].y}};
    return !Reaches(corners) || CornersHidden(corners);
}

bool TriangleRaster::CornersHidden(const Corner (&v)[3]) const
{
    if (BoxTaken(v)) return true;
    return ForEachSpan(v, [this](int row, double leftEdge, double rightEdge) {
        return SpanTaken(row, SpanStart(leftEdge), SpanEnd(rightEdge));
    });
}

// Columns beyond the strip count as taken.
bool TriangleRaster::SpanTaken(int row, int left, int right) const
{
    right = std::min(right, stripRight_);
    for (int column = std::max(left, stripLeft_); column <= right; ++column)
        if (!coverage_.Taken(TakenIndex(column, row))) return false;
    return true;
}

void TriangleRaster::Draw(RasterVertex (&vertices)[3], double fog)
{
    SortByRow(vertices);
    const Corner corners[3] = {{vertices[0].x, vertices[0].y}, {vertices[1].x, vertices[1].y},
                               {vertices[2].x, vertices[2].y}};
    // The painter has asked Hidden already, and only this raster takes the strip's pixels.
    if (!Reaches(corners)) return;

    Shading shading;
    shading.haze = TruncateToInt(fog * hazeLevel_ * 255.0);
    shading.keep = 1.0 - fog;
    PlaneGradients(vertices, shading);
    if (texture_ != nullptr)
        projector_.PrepareTexturePlane(*vertices[0].point, *vertices[1].point, *vertices[2].point);
    ForEachSpan(corners, [&](int row, double left, double right) {
        ShadeRow(row, left, right, shading);
        return true;
    });
}

template <typename Span>
bool TriangleRaster::ForEachSpan(const Corner (&v)[3], Span&& span) const
{
    {
        const double towardMiddle = EdgeStep(v[0].x - v[1].x, v[0].y - v[1].y);
        const double towardBottom = EdgeStep(v[0].x - v[2].x, v[0].y - v[2].y);
        const double leftStep = std::min(towardMiddle, towardBottom);
        const double rightStep = std::max(towardMiddle, towardBottom);
        double left = v[0].x;
        double right = v[0].x;
        const int lastRow = std::min(v[1].y, yMax_);
        for (int row = v[0].y; row <= lastRow; ++row) {
            if (InRows(row) && !span(row, left, right)) return false;
            left += leftStep;
            right += rightStep;
        }
    }
    const double towardMiddle = EdgeStep(v[1].x - v[2].x, v[2].y - v[1].y);
    const double towardTop = EdgeStep(v[0].x - v[2].x, v[2].y - v[0].y);
    const double leftStep = std::min(towardMiddle, towardTop);
    const double rightStep = std::max(towardMiddle, towardTop);
    double left = v[2].x;
    double right = v[2].x;
    const int lastRow = std::max(v[1].y, yMin_);
    for (int row = v[2].y; row >= lastRow; --row) {
        if (InRows(row) && !span(row, left, right)) return false;
        left += leftStep;
        right += rightStep;
    }
    return true;
}

// Every span lies within the corners' columns (give or take the rounding of
// the edge sums), so a taken box around them settles most hidden triangles
// without walking their edges.
bool TriangleRaster::BoxTaken(const Corner (&v)[3]) const
{
    const int left = std::max(stripLeft_, std::min({v[0].x, v[1].x, v[2].x}) - 1);
    const int right = std::min(stripRight_, std::max({v[0].x, v[1].x, v[2].x}) + 1);
    if (left > right) return true;
    const int top = std::max(v[0].y, firstRow_);
    const int bottom = std::min(v[2].y, lastRow_);
    for (int row = top; row <= bottom; ++row)
        if (!SpanTaken(row, left, right)) return false;
    return true;
}

// Spans stray a column beyond their corners' columns, as in BoxTaken.
bool TriangleRaster::BoundsTaken(double minX, double maxX, double minY, double maxY) const
{
    if (!(minX <= maxX) || !(minY <= maxY)) return false;
    const int left = std::max(ClampedFloor(minX, xMin_ + 1, lastColumn_ + 2) - 1, stripLeft_);
    const int right = std::min(ClampedFloor(maxX, xMin_ - 2, lastColumn_ - 1) + 1, stripRight_);
    const int top = ClampedFloor(minY, firstRow_, lastRow_ + 1);
    const int bottom = ClampedFloor(maxY, firstRow_ - 1, lastRow_);
    if (left > right || top > bottom) return true;
    return coverage_.RegionTaken(left - stripLeft_, right - stripLeft_, yMax_ - bottom, yMax_ - top);
}

// Only the left end is held at xMin and only the right at xMax: a span wholly outside stays empty.
int TriangleRaster::SpanStart(double leftEdge) const
{
    return ClampedFloor(leftEdge, xMin_, xMax_ + 1);
}

int TriangleRaster::SpanEnd(double rightEdge) const
{
    return std::min(ClampedFloor(rightEdge, xMin_ - 1, xMax_), lastColumn_);
}

// A triangle wholly in other strips needs no shading set up here; spans
// stray a column beyond their corners' columns, as in BoxTaken.
bool TriangleRaster::Reaches(const Corner (&v)[3]) const
{
    return std::max(v[0].y, firstRow_) <= std::min(v[2].y, lastRow_) &&
           std::min({v[0].x, v[1].x, v[2].x}) - 1 <= stripRight_ && std::max({v[0].x, v[1].x, v[2].x}) + 1 >= stripLeft_;
}

uint8_t* TriangleRaster::PixelAt(int column, int row) const
{
    return base_ + static_cast<size_t>(yMax_ - row) * stride_ + 3 * static_cast<size_t>(column);
}

inline Bgr TriangleRaster::Texel(int column, int row)
{
    return highQuality_ ? projector_.TextureSampleFiltered(column, row) : projector_.TextureSampleNearest(column, row);
}

void TriangleRaster::ShadePixel(uint8_t* pixel, int column, int row, double nx, double ny, double nz,
                                const Shading& shading)
{
    const double keep = shading.keep;
    const int haze = shading.haze;
    const double cosine = (light_.x * nx + light_.y * ny + light_.z * nz) / std::sqrt(nx * nx + ny * ny + nz * nz);
    if (cosine < 0.0) {
        pixel[0] = pixel[1] = pixel[2] = static_cast<uint8_t>(std::clamp(haze, 0, 255));
    } else if (texture_ != nullptr) {
        const Bgr texel = Texel(column, row);
        pixel[0] = ShadedByte(texel.b, cosine, keep, haze);
        pixel[1] = ShadedByte(texel.g, cosine, keep, haze);
        pixel[2] = ShadedByte(texel.r, cosine, keep, haze);
    } else {
        pixel[0] = pixel[1] = pixel[2] = ShadedByte(255.0, cosine, keep, haze);
    }
}

void TriangleRaster::ShadeRow(int row, double leftEdge, double rightEdge, const Shading& shading)
{
    const int left = SpanStart(leftEdge);
    const int right = std::min(SpanEnd(rightEdge), stripRight_);
    if (std::max(left, stripLeft_) > right) return;

    double nx = shading.average.x, ny = shading.average.y, nz = shading.average.z;
    int column = left;
    if (!shading.flat) {
        nx = shading.nx.a * left + shading.nx.b * row + shading.nx.d;
        ny = shading.ny.a * left + shading.ny.b * row + shading.ny.d;
        nz = shading.nz.a * left + shading.nz.b * row + shading.nz.d;
        // The normal steps over taken pixels and other strips' too: each
        // pixel's sum is the one the whole span makes.
        for (; column < stripLeft_; ++column) {
            nx += shading.nx.a;
            ny += shading.ny.a;
            nz += shading.nz.a;
        }
    }
    column = std::max(column, stripLeft_);
    uint8_t* pixel = PixelAt(column, row);
    size_t taken = TakenIndex(column, row);
    for (; column <= right; ++column, pixel += 3, ++taken) {
        if (!coverage_.Taken(taken)) {
            coverage_.Take(taken, coverage_.Tile(column - stripLeft_, yMax_ - row));
            ShadePixel(pixel, column, row, nx, ny, nz, shading);
        }
        if (!shading.flat) {
            nx += shading.nx.a;
            ny += shading.ny.a;
            nz += shading.nz.a;
        }
    }
}

}  // namespace vistagon
