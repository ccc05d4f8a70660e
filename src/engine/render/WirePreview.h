#pragma once

#include "platform/UserInteraction.h"
#include "render/Vec4.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vistagon {

class ElevationGrid;
class Projector;

// Where the wire model is drawn: the desktop window, or a recorder in tests.
// Colours are 0x00BBGGRR values.
class LineCanvas {
public:
    virtual ~LineCanvas() = default;
    // Paints the window from its image, erasing the previous wire model.
    virtual void Repaint() = 0;
    virtual void DrawLine(int x0, int y0, int x1, int y1, uint32_t colour) = 0;
};

inline constexpr uint32_t kWireCrossColour = 0x000000;  // the window's default pen
inline constexpr uint32_t kWirePostColour = 0xFF0000;   // blue

// A scene's grid divisions as Preview uses them: a tenth, at most 25.
double PreviewDivisions(double sceneDivisions);

// The nodes of the wire model, rows of y outer and x inner, each with six
// points: the x arm, the y arm, the foot and the top of the post.
class WireLattice {
public:
    static constexpr size_t kPointsPerNode = 6;

    // divisions already reduced for Preview.
    WireLattice(double gridWidth, double gridHeight, double divisionsX, double divisionsY);

    size_t columns() const { return columns_; }
    size_t rows() const { return rows_; }
    size_t NodeCount() const { return columns_ * rows_; }
    const std::vector<Vec4>& points() const { return points_; }
    // The post tops follow the frame's heights.
    std::vector<Vec4>& points() { return points_; }

private:
    size_t columns_ = 0;
    size_t rows_ = 0;
    std::vector<Vec4> points_;
};

// Draws one Preview frame of the projector's current camera: crosses on the
// plane z = 0 and posts up to the terrain. Returns false when the user stopped
// it (checked before every node row).
bool RenderPreview(UserInteraction& ui, const Projector& projector, const ElevationGrid& elevation,
                   WireLattice& lattice, LineCanvas& canvas);

}  // namespace vistagon
