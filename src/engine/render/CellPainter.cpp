#include "render/CellPainter.h"

#include "render/FrameRenderer.h"
#include "render/Projector.h"

#include <cmath>

namespace vistagon {

CellPainter::CellPainter(Projector& projector, TriangleRaster& raster, const ElevationGrid& elevation, double dx,
                         double dy, const Vec4& observer, double dustDistance, FrameStatistics& statistics)
    : projector_(projector), raster_(raster), stencil_(elevation, projector.zScale(), dx, dy), observer_(observer),
      dustDistance_(dustDistance), statistics_(statistics)
{
}

void CellPainter::Paint(double x, double y, StencilStep step)
{
    if (step == StencilStep::Full)
        stencil_.Build(x, y);
    else
        stencil_.Advance(x, y, step == StencilStep::Right);

    const double e = (observer_ - stencil_.V(3)).Length() / dustDistance_;
    if (!(e < kDustCutOff)) return;
    const double fog = 1.0 - std::exp(-e);
    ++statistics_.cellsShaded;

    const CellStencil& s = stencil_;
    // The diagonal runs from (x, y) to (x + dx, y + dy).
    if (projector_.DrawTriangle(s.V(3), s.V(7), s.V(8), s.N3(), s.N7(), s.N8(), fog, raster_))
        ++statistics_.trianglesDrawn;
    if (projector_.DrawTriangle(s.V(3), s.V(8), s.V(4), s.N3(), s.N8(), s.N4(), fog, raster_))
        ++statistics_.trianglesDrawn;
}

}  // namespace vistagon
