#pragma once

#include "image/Bgr.h"
#include "render/PixelCoverage.h"
#include "render/TriangleTarget.h"
#include "render/Vec4.h"

#include <cstddef>
#include <cstdint>
#include <limits>

namespace vistagon {

class CTGAFile;
class Projector;

// The image columns left..right and rows low..high (inclusive) that one of
// several threads drawing the same frame writes; by default the whole picture.
struct PictureStrip {
    int left = 0;
    int right = std::numeric_limits<int>::max();
    int low = 0;
    int high = std::numeric_limits<int>::max();
};

// Scan-converts and shades the triangles of one frame into the output image:
// normals interpolated in screen space, diffuse light, the cell's haze and the
// projector's texture (nearest, or filtered in high quality). No depth test:
// triangles come nearest first, and the first to reach a pixel keeps it, as the
// last would in the painter's order (a pixel's colour depends on its triangle
// alone). A triangle whose pixels are all taken is not set up at all.
class TriangleRaster final : public TriangleTarget {
public:
    // Clips to columns 0..xMax and rows 0..yMax; a pixel at row Y goes to image row yMax - Y.
    // Only the strip's pixels are written; every strip steps the edges alike,
    // so the strips together hold the bytes of the whole picture drawn by one.
    // coverage: reset to the strip's columns (within the image) and the image's rows; it is
    // the strip's own, so that threads drawing strips side by side write no cache line in common.
    TriangleRaster(CTGAFile& image, Projector& projector, const Vec4& light, int xMax, int yMax, bool highQuality,
                   PixelCoverage& coverage, PictureStrip strip = {});

    // In the strip.
    bool Hidden(const RasterVertex (&vertices)[3]) const override;
    // Whether every pixel of the strip that a triangle could reach is taken
    // when its corners project within minX..maxX, minY..maxY before they are
    // rounded down.
    bool BoundsTaken(double minX, double maxX, double minY, double maxY) const;
    void Draw(RasterVertex (&vertices)[3], double fog) override;

private:
    // A normal component as a plane over the picture: a * X + b * Y + d.
    struct Gradient {
        double a = 0.0;
        double b = 0.0;
        double d = 0.0;
    };
    struct Shading {
        Gradient nx, ny, nz;
        bool flat = true;
        Vec4 average;
        int haze = 0;
        double keep = 1.0;
    };
    struct Corner {
        int x = 0;
        int y = 0;
    };

    static void SortByRow(RasterVertex (&vertices)[3]);
    static void PlaneGradients(const RasterVertex (&v)[3], Shading& shading);
    // Calls span(row, leftEdge, rightEdge) for every row of the triangle this
    // raster writes, the upper half's rows first (in the painter's order the
    // lower half came first, and the middle row is in both); stops early when
    // span returns false, and then answers false.
    template <typename Span>
    bool ForEachSpan(const Corner (&v)[3], Span&& span) const;
    bool BoxTaken(const Corner (&v)[3]) const;
    bool CornersHidden(const Corner (&v)[3]) const;
    bool SpanTaken(int row, int left, int right) const;
    bool InRows(int row) const { return row >= firstRow_ && row <= lastRow_; }
    void ShadeRow(int row, double leftEdge, double rightEdge, const Shading& shading);
    void ShadePixel(uint8_t* pixel, int column, int row, double nx, double ny, double nz, const Shading& shading);
    bool Reaches(const Corner (&v)[3]) const;
    int SpanStart(double leftEdge) const;
    int SpanEnd(double rightEdge) const;
    uint8_t* PixelAt(int column, int row) const;
    size_t TakenIndex(int column, int row) const { return coverage_.Index(column - stripLeft_, yMax_ - row); }
    Bgr Texel(int column, int row);

    CTGAFile& image_;
    Projector& projector_;
    const CTGAFile* texture_;
    Vec4 light_;
    double hazeLevel_;
    int xMin_ = 0;
    int yMin_ = 0;
    int xMax_;
    int yMax_;
    bool highQuality_;
    // The writable part of the clip rectangle, and the strip's part of it.
    int lastColumn_;
    int stripLeft_;
    int stripRight_;
    int firstRow_;
    int lastRow_;
    uint8_t* base_;
    size_t stride_;
    PixelCoverage& coverage_;
};

}  // namespace vistagon
