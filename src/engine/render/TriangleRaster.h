#pragma once

#include "image/Bgr.h"
#include "render/TextureLookup.h"
#include "render/TriangleTarget.h"
#include "render/Vec4.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vistagon {

class CTGAFile;
class Projector;

// Which image rows one of several threads drawing the same frame writes:
// blocks of kRows rows dealt out in turn, so that sky and ground fall to every
// thread alike. One band of one is the whole picture.
struct RowBand {
    static constexpr int kRows = 4;
    int index = 0;
    int count = 1;

    bool Owns(int imageRow) const { return count == 1 || (imageRow / kRows) % count == index; }
};

// Scan-converts and shades the triangles of one frame into the output image:
// normals interpolated in screen space, diffuse light, the cell's haze and the
// projector's texture (nearest, or filtered in high quality). No depth test:
// the triangle drawn last wins.
class TriangleRaster final : public TriangleTarget {
public:
    // Clips to columns 0..xMax and rows 0..yMax; a pixel at row Y goes to image row yMax - Y.
    // Only the band's image rows are written; every band steps the edges alike, so
    // the bands together hold the bytes of the whole picture drawn by one.
    TriangleRaster(CTGAFile& image, Projector& projector, const Vec4& light, int xMax, int yMax, bool highQuality,
                   RowBand band = {});

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
    // A triangle set up for scan conversion: what every band's rows need of it.
    struct Prepared {
        struct Corner {
            int x = 0;
            int y = 0;
        };
        Corner corners[3];  // top of the picture first
        Shading shading;
        TexturePlane plane;  // when textured
    };

    void Draw(RasterVertex (&vertices)[3], double fog) override;
    // Draw in two steps: the set-up, the same whichever band draws it, and the band's rows.
    void Prepare(RasterVertex (&vertices)[3], double fog, Prepared& triangle) const;
    void Fill(const Prepared& triangle);

private:
    static void SortByRow(RasterVertex (&vertices)[3]);
    void Shade(const RasterVertex (&vertices)[3], double fog, Prepared& triangle) const;
    static void PlaneGradients(const RasterVertex (&v)[3], Shading& shading);
    void DrawLowerHalf(const Prepared::Corner (&v)[3], const Shading& shading);
    void DrawUpperHalf(const Prepared::Corner (&v)[3], const Shading& shading);
    void ShadeRow(int row, double leftEdge, double rightEdge, const Shading& shading);
    bool OwnsAnyRow(int top, int bottom) const;
    // Rows outside the image or the band would be dropped pixel by pixel; they are skipped whole.
    bool Writes(int row) const
    {
        return row >= firstRow_ && row <= lastRow_ && ownedRows_[static_cast<size_t>(yMax_ - row)];
    }
    uint8_t* PixelAt(int column, int row) const;
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
    RowBand band_;
    // The writable part of the clip rectangle.
    int lastColumn_;
    int firstRow_;
    int lastRow_;
    uint8_t* base_;
    size_t stride_;
    std::vector<uint8_t> ownedRows_;  // by image row
};

}  // namespace vistagon
