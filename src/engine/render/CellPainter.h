#pragma once

#include "render/CellSink.h"
#include "render/CellStencil.h"
#include "render/Projector.h"
#include "render/Vec4.h"

namespace vistagon {

class ElevationGrid;
class HiddenBlocks;
class Projector;
class TriangleTarget;
struct FrameStatistics;

// Turns one mesh cell into its two shaded triangles: stencil, corner normals,
// the haze of its distance and the cut-off at seven dust distances.
class CellPainter final : public CellSink {
public:
    static constexpr double kDustCutOff = 7.0;

    CellPainter(Projector& projector, TriangleTarget& target, const ElevationGrid& elevation, double dx, double dy,
                const Vec4& observer, double dustDistance, FrameStatistics& statistics);

    void Paint(double x, double y, StencilStep step) override;
    CellRun LeftOutRun() const override;
    void PassedOver(long cells) override;
    // Cells in blocks it hides are left out before their stencil is built; none: every cell is painted.
    void SetHiddenBlocks(HiddenBlocks* hidden) { hidden_ = hidden; }

private:
    // A corner's projection, made when a facing triangle needs it and kept
    // for the neighbouring cell that shares the point.
    struct Corner {
        bool known = false;
        ScreenPoint screen;
    };

    void CarryCorners(StencilStep step);
    const Vec4& Point(size_t corner) const;
    const ScreenPoint& Screen(size_t corner);
    // distance: in dust distances; fog: the cell's haze, or negative until worked out.
    void DrawHalf(size_t a, size_t b, size_t c, double distance, double& fog);


    Projector& projector_;
    TriangleTarget& target_;
    CellStencil stencil_;
    Vec4 observer_;
    double dustDistance_;
    FrameStatistics& statistics_;
    HiddenBlocks* hidden_ = nullptr;
    // A cell was left out since the stencil was last built or advanced.
    bool skipped_ = false;
    // The last cell handed over was left out.
    bool leftOut_ = false;
    // Of V3, V4, V7, V8 of the current cell.
    std::array<Corner, 4> corners_{};
};

}  // namespace vistagon
