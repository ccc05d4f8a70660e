#pragma once

#include "image/Bgr.h"
#include "platform/AppContext.h"
#include "render/Mat4.h"
#include "render/RenderTypes.h"
#include "render/TextureLookup.h"
#include "render/Vec4.h"

namespace vistagon {

class CTGAFile;
class TriangleTarget;

// Where a terrain point falls in the picture, rounded down; not onScreen when
// behind the eye or beyond the screen limit, which drops every triangle it is in.
struct ScreenPoint {
    bool onScreen = false;
    int x = 0;
    int y = 0;
};

// The camera model of a job: the eye, the view, right and up vectors, the
// composite projection matrix and the screen-centre offsets of a partial image.
// One per job (and per thread when frames run side by side); SetCamera once per
// frame.
class Projector {
public:
    // Normalises the light copy and reads "Settings"/"Quarter" from the profile.
    Projector(AppContext& context, const Vec4& light, int outputWidth, int outputHeight);

    // The job's texture, or none; the surface renderer shades with it.
    void SetTexture(const CTGAFile* texture) { texture_.SetTexture(texture); }
    const CTGAFile* texture() const { return texture_.texture(); }

    void SetCamera(const FrameCamera& camera);
    // The frame's multiplier of stored elevations. The renderers scale heights
    // with it rather than with the grid's own z scale, so that frames running
    // side by side can share one grid.
    double zScale() const { return zScale_; }

    // The eye point of the current frame (already nudged off the lattice).
    const Vec4& Position() const { return eye_; }
    // The direction from the eye through a picture position (column, row; row grows downward).
    // Inline: the texture lookups cast one to three rays per pixel.
    Vec4 RayThroughPixel(double column, double row) const
    {
        const double u = column - cx_;
        const double v = -row - cy_;
        const double s = u * cosRoll_ + v * sinRoll_;
        const double t = -u * sinRoll_ + v * cosRoll_;
        return view_ + right_ * s + up_ * t;
    }
    // The ray parameter t where the ray through (column, row) meets the plane
    // through p0, p1, p2; stores eye + t * ray in point. t <= 0: behind the eye
    // (also for a ray parallel to the plane, which then leaves point at the eye).
    double HitPlane(double column, double row, const Vec4& p0, const Vec4& p1, const Vec4& p2, Vec4& point) const;
    // The wire model's projection: false behind the eye or beyond +-16384;
    // the pixel position is rounded down.
    bool ProjectPoint(const Vec4& point, int& x, int& y) const;

    // Culls and projects one terrain triangle and hands it to the target; true
    // when it was handed on.
    bool DrawTriangle(const Vec4& p0, const Vec4& p1, const Vec4& p2, const Vec4& n0, const Vec4& n1, const Vec4& n2,
                      double fog, TriangleTarget& target) const;
    // Its steps, for cells that share their corners' projections: whether the
    // triangle faces the eye, and where a point falls.
    bool Faces(const Vec4& p0, const Vec4& p1, const Vec4& p2) const;
    ScreenPoint Project(const Vec4& point) const;

    // The texture lookups of the current triangle (column and projected row of a pixel).
    void PrepareTexturePlane(const Vec4& p0, const Vec4& p1, const Vec4& p2)
    {
        texture_.SetPlane(TextureLookup::PlaneThrough(p0, p1, p2, eye_));
    }
    Bgr TextureSampleNearest(double column, double row) const { return texture_.Nearest(*this, column, row); }
    Bgr TextureSampleFiltered(double column, double row) { return texture_.Filtered(*this, column, row); }

    const Vec4& light() const { return light_; }
    int quarter() const { return quarter_; }
    double centreX() const { return cx_; }
    double centreY() const { return cy_; }
    double focalLength() const { return focal_; }
    const Mat4& matrix() const { return matrix_; }
    const Vec4& viewVector() const { return view_; }
    const Vec4& rightVector() const { return right_; }
    const Vec4& upVector() const { return up_; }

private:
    Vec4 light_;
    int quarter_ = 0;
    double cx_ = 0.0;
    double cy_ = 0.0;

    Vec4 eye_{0, 0, 0, 1};
    Vec4 view_;
    Vec4 right_;
    Vec4 up_;
    double heading_ = 0.0;
    double pitch_ = 0.0;
    double focal_ = 1.0;
    double roll_ = 0.0;
    double zScale_ = 1.0;
    double sinRoll_ = 0.0;
    double cosRoll_ = 1.0;
    Mat4 matrix_;

    TextureLookup texture_;
};

// Beside the projector, whose ray it cuts with the plane, so that it inlines.
inline bool TextureLookup::Hit(const Projector& projector, double column, double row, double& x, double& y) const
{
    const Vec4 ray = projector.RayThroughPixel(column, row);
    const Vec4& normal = plane_.normal;
    const double denominator = ray.x * normal.x + ray.y * normal.y + ray.z * normal.z;
    if (denominator == 0.0) return false;
    const double t = plane_.offset / denominator;
    const Vec4& eye = projector.Position();
    x = eye.x + t * ray.x;
    y = eye.y + t * ray.y;
    return true;
}

}  // namespace vistagon
