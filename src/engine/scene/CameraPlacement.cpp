#include "scene/CameraPlacement.h"

#include <algorithm>
#include <cmath>

namespace vistagon {

namespace {

constexpr double kDegree = 3.141592653589793 / 180.0;
constexpr double kDepression = 25.0;  // degrees below the horizon to the terrain's middle
constexpr double kMargin = 0.9;       // share of the half picture the terrain may fill

struct Box {
    double width, depth, low, high;
};

struct Eye {
    double y, z, pitch;
};

// The camera at distance d south of the edge, heading north, above the box.
Eye EyeAt(const Box& box, double d)
{
    const double middle = (box.low + box.high) / 2.0;
    const double z = std::max(middle + (d + box.depth / 2.0) * std::tan(kDepression * kDegree), box.high + box.depth / 50.0);
    const double pitch = -std::atan2(z - middle, d + box.depth / 2.0) / kDegree;
    return Eye{-d, z, pitch};
}

// True when every corner of the box lies inside the picture (a pinhole with the
// scene's focal length, no roll).
bool SeesWholeBox(const Box& box, const Eye& eye, double focal, int sizeX, int sizeY)
{
    const double p = eye.pitch * kDegree;
    const double forwardY = std::cos(p), forwardZ = std::sin(p);
    const double upY = -std::sin(p), upZ = std::cos(p);
    for (double x : {0.0, box.width})
        for (double y : {0.0, box.depth})
            for (double z : {box.low, box.high}) {
                const double dx = x - box.width / 2.0, dy = y - eye.y, dz = z - eye.z;
                const double depth = dy * forwardY + dz * forwardZ;
                if (depth <= 0.0) return false;
                const double u = focal * dx / depth;
                const double v = focal * (dy * upY + dz * upZ) / depth;
                if (std::fabs(u) > kMargin * sizeX / 2.0 || std::fabs(v) > kMargin * sizeY / 2.0) return false;
            }
    return true;
}

}  // namespace

void PlaceCameras(const TerrainExtent& terrain, SceneParameters& scene)
{
    const double zScale = scene.ElevScaleZA;
    const double a = terrain.lowest * zScale, b = terrain.highest * zScale;
    const Box box{terrain.width * scene.ElevScaleX, terrain.height * scene.ElevScaleY, std::min(a, b), std::max(a, b)};
    const double span = std::max(box.width, box.depth);
    const double focal = scene.FocalLengthA > 0.0 ? scene.FocalLengthA : 250.0;
    // Step back until the whole terrain is in the picture.
    double d = span / 100.0;
    Eye eye = EyeAt(box, d);
    for (int step = 0; step < 400 && !SeesWholeBox(box, eye, focal, scene.SizeX, scene.SizeY); ++step) {
        d *= 1.05;
        eye = EyeAt(box, d);
    }
    scene.XA = box.width / 2.0;
    scene.YA = eye.y;
    scene.ZA = eye.z;
    scene.HeadingA = 0.0;
    scene.PitchA = eye.pitch;
    scene.RollA = 0.0;
    // The end: over the far side, lower, still looking ahead and down.
    scene.XZ = box.width / 2.0;
    scene.YZ = box.depth * 0.75;
    scene.ZZ = box.high + std::max((eye.z - box.high) * 0.15, span / 50.0);
    scene.HeadingZ = 0.0;
    scene.PitchZ = -30.0;
    scene.RollZ = 0.0;
    // The far edge at 1.2 dust distances: hazy, far short of the cut-off at 7.
    const double far = std::hypot(d + box.depth, eye.z - box.low);
    scene.DustA = scene.DustZ = far / 1.2;
    // Shading takes the light's side of the surface: the new-scene light (z below
    // zero) would leave a terrain seen from above in haze alone.
    if (scene.LightZ < 0.0) scene.LightZ = -scene.LightZ;
}

}  // namespace vistagon
