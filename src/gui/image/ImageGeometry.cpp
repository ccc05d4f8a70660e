#include "ImageGeometry.h"

#include <cmath>

namespace vistagon::gui {

double ImageGeometry::Magnification() const
{
    return std::ldexp(1.0, zoom);
}

int ImageGeometry::ScreenWidth() const
{
    return static_cast<int>(Magnification() * CanvasWidth());
}

int ImageGeometry::ScreenHeight() const
{
    return static_cast<int>(Magnification() * CanvasHeight());
}

bool ImageGeometry::InsideCanvas(int X, int Y) const
{
    const double m = Magnification();
    const double cx = X / m;
    const double cy = Y / m;
    return cx >= 0.0 && cx <= CanvasWidth() && cy >= 0.0 && cy <= CanvasHeight();
}

std::pair<int, int> ImageGeometry::CanvasPoint(int X, int Y) const
{
    const double m = Magnification();
    return {static_cast<int>(X / m), static_cast<int>(Y / m)};
}

std::optional<std::pair<int, int>> ImageGeometry::Readout(int X, int Y) const
{
    if (!InsideCanvas(X, Y)) return std::nullopt;
    const auto [cx, cy] = CanvasPoint(X, Y);
    return std::make_pair(cx - border, height + border - cy - 1);
}

}  // namespace vistagon::gui
