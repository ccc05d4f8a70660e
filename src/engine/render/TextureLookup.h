#pragma once

#include "image/Bgr.h"
#include "image/CTGAFile.h"
#include "image/SampleWindow.h"
#include "platform/Truncate.h"
#include "render/Vec4.h"

namespace vistagon {

class Projector;

// The plane of a triangle as the texture lookups cut rays with it.
struct TexturePlane {
    Vec4 normal;
    double offset = 0.0;  // (p0 - eye) . normal
};

// The texture of a job and the plane of the triangle being shaded: a pixel's
// ray is cut with that plane and the hit's x and y address the texture, one
// texel per terrain unit.
class TextureLookup {
public:
    // The texture is only read: lookups of several threads may share it.
    void SetTexture(const CTGAFile* texture) { texture_ = texture; }
    const CTGAFile* texture() const { return texture_; }

    // The per-triangle part of the hit computation.
    static TexturePlane PlaneThrough(const Vec4& p0, const Vec4& p1, const Vec4& p2, const Vec4& eye);
    void SetPlane(const TexturePlane& plane) { plane_ = plane; }
    // Where the ray through (column, row) meets the current plane; false when parallel to it.
    // Inline (defined beside the projector), with Nearest: the raster looks up one texel per pixel.
    bool Hit(const Projector& projector, double column, double row, double& x, double& y) const;

    Bgr Nearest(const Projector& projector, double column, double row) const
    {
        double x = 0.0, y = 0.0;
        if (!Hit(projector, column, row, x, y)) return texture_->background();
        return TexelAt(x, y);
    }
    // Gaussian where the pixel covers less than a texel, else five point samples.
    Bgr Filtered(const Projector& projector, double column, double row);

private:
    Bgr TexelAt(double x, double y) const
    {
        // GetPixel answers the out-of-range colour outside the texture.
        return texture_->GetPixel(TruncateToInt(x), TruncateToInt(y));
    }

    const CTGAFile* texture_ = nullptr;
    SampleWindow window_;
    TexturePlane plane_;
};

}  // namespace vistagon

