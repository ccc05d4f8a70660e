#include "render/Projector.h"

#include "render/TriangleTarget.h"


#include <cmath>

namespace vistagon {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kLatticeNudge = 0.00001;
constexpr double kScreenLimit = 16384.0;

double Radians(double degrees)
{
    return degrees * kPi / 180.0;
}

int ReadQuarter(const Profile& profile)
{
    const int quarter = profile.GetInt("Settings", "Quarter", 0);
    return (quarter < 0 || quarter > 4) ? 0 : quarter;
}

bool WithinScreenLimit(double value)
{
    return value >= -kScreenLimit && value <= kScreenLimit;
}

// The camera chain from terrain coordinates to the picture: heading, pitch,
// roll, then the axis exchange that makes the viewing axis the third one.
Mat4 ViewRotation(double heading, double pitch, double roll)
{
    const double ch = std::cos(heading), sh = std::sin(heading);
    const double cp = std::cos(pitch), sp = std::sin(pitch);
    const double cr = std::cos(roll), sr = std::sin(roll);
    const Mat4 aboutZ = Mat4::Rows({ch, sh, 0, 0}, {-sh, ch, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1});
    const Mat4 aboutX = Mat4::Rows({1, 0, 0, 0}, {0, cp, -sp, 0}, {0, sp, cp, 0}, {0, 0, 0, 1});
    const Mat4 rollAxis = Mat4::Rows({cr, 0, sr, 0}, {0, 1, 0, 0}, {-sr, 0, cr, 0}, {0, 0, 0, 1});
    const Mat4 mirrorZ = Mat4::Rows({1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, -1, 0}, {0, 0, 0, 1});
    const Mat4 exchange = Mat4::Rows({1, 0, 0, 0}, {0, 0, 1, 0}, {0, -1, 0, 0}, {0, 0, 0, 1});
    return aboutZ * aboutX * rollAxis * mirrorZ * exchange;
}

}  // namespace

Projector::Projector(AppContext& context, const Vec4& light, int outputWidth, int outputHeight)
    : light_(light), quarter_(ReadQuarter(context.profile))
{
    light_.Normalize();
    const double w = outputWidth;
    const double h = outputHeight;
    switch (quarter_) {
    case 1: cx_ = w; cy_ = -h; break;
    case 2: cx_ = 0; cy_ = -h; break;
    case 3: cx_ = w; cy_ = 0; break;
    case 4: cx_ = 0; cy_ = 0; break;
    default: cx_ = w / 2; cy_ = -h / 2; break;
    }
}

void Projector::SetCamera(const FrameCamera& camera)
{
    eye_ = camera.position;
    eye_.x += kLatticeNudge;
    eye_.y += kLatticeNudge;
    eye_.z += kLatticeNudge;

    const double f = quarter_ != 0 ? 2.0 * camera.focalLength : camera.focalLength;
    const double heading = Radians(camera.heading);
    const double pitch = Radians(camera.pitch);
    const double roll = Radians(camera.roll);
    const double ch = std::cos(heading), sh = std::sin(heading);
    const double cp = std::cos(pitch), sp = std::sin(pitch);

    view_ = Vec4::Direction(f * cp * sh + kLatticeNudge, f * cp * ch + kLatticeNudge, f * sp + kLatticeNudge);
    const double horizontal = std::sqrt(view_.x * view_.x + view_.y * view_.y);
    right_ = Vec4::Direction(view_.y / horizontal, -view_.x / horizontal, 0);
    right_.Normalize();
    up_ = right_.Cross(view_);
    up_.w = 0;
    up_.Normalize();

    heading_ = camera.heading;
    pitch_ = camera.pitch;
    focal_ = f;
    roll_ = camera.roll;
    zScale_ = camera.zScale;
    sinRoll_ = std::sin(roll);
    cosRoll_ = std::cos(roll);

    const Vec4 centre = eye_ + Vec4::Direction(cp * sh, cp * ch, sp) * f;
    const Mat4 perspective = Mat4::Rows({f, 0, 0, 0}, {0, f, 0, 0}, {0, 0, 0, 1}, {0, 0, 0, f});
    matrix_ = Mat4::Translation(-centre.x, -centre.y, -centre.z) * ViewRotation(heading, pitch, roll) * perspective *
              Mat4::Translation(cx_, cy_, 0);
}

double Projector::HitPlane(double column, double row, const Vec4& p0, const Vec4& p1, const Vec4& p2,
                           Vec4& point) const
{
    const Vec4 ray = RayThroughPixel(column, row);
    const Vec4 normal = (p1 - p0).Cross(p2 - p0);
    const Vec4 toPlane = p0 - eye_;
    const double denominator = ray.x * normal.x + ray.y * normal.y + ray.z * normal.z;
    if (denominator == 0.0) {
        point = eye_;
        return 0.0;
    }
    const double t = (toPlane.x * normal.x + toPlane.y * normal.y + toPlane.z * normal.z) / denominator;
    point = Vec4::Point(eye_.x + t * ray.x, eye_.y + t * ray.y, eye_.z + t * ray.z);
    return t;
}

bool Projector::ProjectPoint(const Vec4& point, int& x, int& y) const
{
    const Vec4 p = matrix_.Transform(point);
    if (p.w < 0.0) return false;
    const double w = p.w < 1e-18 ? 1e-18 : p.w;
    const double sx = p.x / w;
    const double sy = -(p.y / w);
    if (!WithinScreenLimit(sx) || !WithinScreenLimit(sy)) return false;
    // Rounding down keeps quarters of a partial image in register across their edges.
    x = static_cast<int>(std::floor(sx));
    y = static_cast<int>(std::floor(sy));
    return true;
}

ScreenPoint Projector::Project(const Vec4& point) const
{
    const Vec4 p = matrix_.Transform(point);
    if (!(p.w > 0.0)) return {};
    const double sx = p.x / p.w;
    const double sy = -(p.y / p.w);
    if (!WithinScreenLimit(sx) || !WithinScreenLimit(sy)) return {};
    return {true, static_cast<int>(std::floor(sx)), static_cast<int>(std::floor(sy))};
}

bool Projector::DrawTriangle(const Vec4& p0, const Vec4& p1, const Vec4& p2, const Vec4& n0, const Vec4& n1,
                             const Vec4& n2, double fog, TriangleTarget& target) const
{
    if (!Faces(p0, p1, p2)) return false;
    const ScreenPoint s0 = Project(p0);
    const ScreenPoint s1 = Project(p1);
    const ScreenPoint s2 = Project(p2);
    if (!s0.onScreen || !s1.onScreen || !s2.onScreen) return false;
    RasterVertex vertices[3] = {{s0.x, s0.y, &p0, &n0}, {s1.x, s1.y, &p1, &n1}, {s2.x, s2.y, &p2, &n2}};
    target.Draw(vertices, fog);
    return true;
}

bool Projector::Faces(const Vec4& p0, const Vec4& p1, const Vec4& p2) const
{
    const Vec4 centroid = (p0 + p1 + p2) / 3.0;
    const Vec4 face = (p1 - p0).Cross(p2 - p0);
    return face.Dot(centroid - eye_) > 0.0;
}

}  // namespace vistagon
