#include "render/TextureLookup.h"

#include "image/CTGAFile.h"
#include "platform/Truncate.h"
#include "render/Projector.h"

#include <array>
#include <cmath>

namespace vistagon {

TexturePlane TextureLookup::PlaneThrough(const Vec4& p0, const Vec4& p1, const Vec4& p2, const Vec4& eye)
{
    TexturePlane plane;
    plane.normal = (p1 - p0).Cross(p2 - p0);
    const Vec4 toPlane = p0 - eye;
    plane.offset = toPlane.x * plane.normal.x + toPlane.y * plane.normal.y + toPlane.z * plane.normal.z;
    return plane;
}

Bgr TextureLookup::Filtered(const Projector& projector, double column, double row)
{
    double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
    if (!Hit(projector, column, row, x0, y0) || !Hit(projector, column - 0.25, row - 0.25, x1, y1))
        return texture_->background();
    if (std::fabs(x0 - x1) < 1.0 && std::fabs(y0 - y1) < 1.0) return texture_->SampleGaussian(x0, y0, window_);

    // The pixel spans more than a texel: average five point samples around it.
    double x2 = 0.0, y2 = 0.0;
    if (!Hit(projector, column + 0.25, row - 0.25, x2, y2)) return texture_->background();
    const std::array<SamplePoint, 5> points{SamplePoint{x0, y0}, SamplePoint{x1, y1}, SamplePoint{x2, y2},
                                            SamplePoint{2.0 * x0 - x2, 2.0 * y0 - y2},
                                            SamplePoint{2.0 * x0 - x1, 2.0 * y0 - y1}};
    return texture_->SampleFivePoint(points);
}

}  // namespace vistagon
