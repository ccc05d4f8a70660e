#pragma once

#include "render/CellStencil.h"
#include "render/Vec4.h"

namespace vistagon {

class ElevationGrid;
class Projector;
class TriangleRaster;
struct FrameStatistics;

// How the stencil of a cell is obtained.
enum class StencilStep { Full, Right, Left };

// Turns one mesh cell into its two shaded triangles: stencil, corner normals,
// the haze of its distance and the cut-off at seven dust distances.
class CellPainter {
public:
    static constexpr double kDustCutOff = 7.0;

    CellPainter(Projector& projector, TriangleRaster& raster, const ElevationGrid& elevation, double dx, double dy,
                const Vec4& observer, double dustDistance, FrameStatistics& statistics);

    void Paint(double x, double y, StencilStep step);

private:
    Projector& projector_;
    TriangleRaster& raster_;
    CellStencil stencil_;
    Vec4 observer_;
    double dustDistance_;
    FrameStatistics& statistics_;
};

}  // namespace vistagon
