#include "render/CellPainter.h"

#include "image/ElevationGrid.h"
#include "render/FrameRenderer.h"
#include "render/HiddenBlocks.h"
#include "render/Projector.h"

#include <cmath>

namespace vistagon {

CellPainter::CellPainter(Projector& projector, TriangleTarget& target, const ElevationGrid& elevation, double dx,
                         double dy, const Vec4& observer, double dustDistance, FrameStatistics& statistics)
    : projector_(projector), target_(target), stencil_(elevation, projector.zScale(), dx, dy, elevation.GetGridWidth() / dx), observer_(observer),
      dustDistance_(dustDistance), statistics_(statistics)
{
}

void CellPainter::Paint(double x, double y, StencilStep step)
{
    leftOut_ = hidden_ != nullptr && hidden_->Hides(x, y);
    if (leftOut_) {
        ++statistics_.cellsSkipped;
        skipped_ = true;
        return;
    }
    // The stencil before a gap holds nothing the next cell could carry over.
    if (skipped_) step = StencilStep::Full;
    skipped_ = false;
    if (step == StencilStep::Full)
        stencil_.Build(x, y);
    else
        stencil_.Advance(x, y, step == StencilStep::Right);

    CarryCorners(step);
    const double e = (observer_ - stencil_.V(3)).Length() / dustDistance_;
    if (!(e < kDustCutOff)) return;
    ++statistics_.cellsShaded;

    // Nearest first: the cell's triangles in the reverse of the painter's order.
    // The haze is worked out for the first that shows.
    double fog = -1.0;
    DrawHalf(0, 3, 1, e, fog);
    DrawHalf(0, 2, 3, e, fog);
}

CellRun CellPainter::LeftOutRun() const
{
    return leftOut_ ? hidden_->HiddenRun() : CellRun{};
}

void CellPainter::PassedOver(long cells)
{
    statistics_.cellsSkipped += cells;
}

namespace {

constexpr int kCornerPoints[4] = {3, 4, 7, 8};

}  // namespace

const Vec4& CellPainter::Point(size_t corner) const
{
    return stencil_.V(kCornerPoints[corner]);
}

// A step carries the shared edge's projections over when the stencil took its points over whole.
void CellPainter::CarryCorners(StencilStep step)
{
    std::array<Corner, 4> carried{};
    if (step != StencilStep::Full) {
        const bool right = step == StencilStep::Right;
        // Right: the old V4 and V8 become V3 and V7; left the reverse.
        const size_t from[2] = {right ? 1u : 0u, right ? 3u : 2u};
        const size_t to[2] = {right ? 0u : 1u, right ? 2u : 3u};
        for (int k = 0; k < 2; ++k)
            if (stencil_.CarriedOver(kCornerPoints[to[k]])) carried[to[k]] = corners_[from[k]];
    }
    corners_ = carried;
}

const ScreenPoint& CellPainter::Screen(size_t corner)
{
    Corner& c = corners_[corner];
    if (!c.known) {
        c.screen = projector_.Project(Point(corner));
        c.known = true;
    }
    return c.screen;
}

// One of the cell's triangles, by corner (0 = V3, 1 = V4, 2 = V7, 3 = V8). Its
// normals are asked for only when the target will show it.
void CellPainter::DrawHalf(size_t a, size_t b, size_t c, double distance, double& fog)
{
    const Vec4& pa = Point(a);
    const Vec4& pb = Point(b);
    const Vec4& pc = Point(c);
    if (!projector_.Faces(pa, pb, pc)) return;
    const ScreenPoint& sa = Screen(a);
    const ScreenPoint& sb = Screen(b);
    const ScreenPoint& sc = Screen(c);
    if (!sa.onScreen || !sb.onScreen || !sc.onScreen) return;
    ++statistics_.trianglesDrawn;
    RasterVertex vertices[3] = {{sa.x, sa.y, &pa, nullptr}, {sb.x, sb.y, &pb, nullptr}, {sc.x, sc.y, &pc, nullptr}};
    if (target_.Hidden(vertices)) return;
    vertices[0].normal = &stencil_.Normal(static_cast<int>(a));
    vertices[1].normal = &stencil_.Normal(static_cast<int>(b));
    vertices[2].normal = &stencil_.Normal(static_cast<int>(c));
    if (fog < 0.0) fog = 1.0 - std::exp(-distance);
    target_.Draw(vertices, fog);
}

}  // namespace vistagon
