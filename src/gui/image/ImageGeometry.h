#pragma once

#include <optional>
#include <utility>

namespace vistagon::gui {

// The arithmetic of a zoomed image view with a border around the picture:
// magnification 2^zoom, canvas = picture plus border pixels on every side.
struct ImageGeometry {
    static constexpr int kMinZoom = -3;
    static constexpr int kMaxZoom = 1;

    int zoom = 0;
    int border = 0;
    int width = 0;   // picture
    int height = 0;

    double Magnification() const;
    int CanvasWidth() const { return width + 2 * border; }
    int CanvasHeight() const { return height + 2 * border; }
    // The canvas on screen, in pixels: trunc(m x canvas size).
    int ScreenWidth() const;
    int ScreenHeight() const;

    // X and Y are window coordinates plus the scroll position.
    bool InsideCanvas(int X, int Y) const;
    // The canvas pixel under a scrolled position.
    std::pair<int, int> CanvasPoint(int X, int Y) const;
    // The "%d/%d" readout's column and upward row, none outside the canvas.
    std::optional<std::pair<int, int>> Readout(int X, int Y) const;
};

}  // namespace vistagon::gui
