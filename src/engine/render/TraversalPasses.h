#pragma once

#include "render/CellSink.h"
#include "render/RenderTypes.h"
#include "render/VisibleRegion.h"

#include <array>
#include <vector>

namespace vistagon {

class UserInteraction;
struct FrameStatistics;

// The corner coordinates of the first and last cell of one quadrant around the observer.
struct TraversalRect {
    double x0 = 0.0;
    double x1 = 0.0;
    double y0 = 0.0;
    double y1 = 0.0;
};

using TraversalRects = std::array<TraversalRect, 4>;

// Cuts the region into the four quadrants around the observer (ox, oy),
// snapped to the cell lattice so that each ends one cell short of the
// observer's cell column and row.
TraversalRects SplitRegion(const VisibleRegion& region, double ox, double oy, double dx, double dy);

// Whether a walk shows "%d%%" at every row, its progress summed cell by cell,
// or only counts the cells it steps over (one of several walks of a frame).
enum class WalkProgress { Shown, Counted };

// The painter's order walked backwards, nearest first: the painter's order is
// four quadrant passes from the far edges toward the observer, then the
// observer's own column and row, its own cell last; the walk takes the passes,
// their rows and their cells in the reverse of that order, and the raster
// keeps the first colour a pixel gets, which is the one the painter's order
// leaves last. Shows "%d%%" at every row, pumps once per cell and stops at the
// next row once the user cancels (the observer's row and column passes always
// finish). Cells the painter says it leaves out with the one before them are
// stepped over without being handed to it.
class TraversalPasses {
public:
    TraversalPasses(UserInteraction& ui, CellSink& painter, RenderMode mode, const TraversalRects& rects, double dx,
                    double dy, double progressIncrement, FrameStatistics& statistics,
                    WalkProgress shown = WalkProgress::Shown);

    void Run();
    double progress() const { return progress_; }

private:
    // A run of rows or of cells: from start toward limit, or a single position.
    struct Sweep {
        double start;
        double limit;
        int direction;           // +1 up, -1 down, 0 the single position start
        bool excludeLimit = false;  // up to, but excluding, limit
    };
    struct Pass {
        Sweep rows;
        Sweep cells;
        bool skipped;
        bool testsCancel;
        bool thinned;      // Raw thinning applies
        bool fullStencil;  // every cell computes its stencil afresh
    };

    // A pass's rows and cells in the painter's order, which the walk takes backwards.
    struct Row {
        double y;
        bool thinnedOut;  // Raw thinning skips it
    };
    struct PassWalk {
        Pass pass;
        std::vector<Row> rows;
        std::vector<double> cells;
    };

    std::array<Pass, 8> Plan() const;
    std::vector<PassWalk> Walks() const;
    void RunPass(const PassWalk& walk);
    // Steps over the cells below column that the run holds; the column the walk goes on from.
    size_t PassOver(const std::vector<double>& cells, size_t column, const CellRun& run, bool thinned);
    void Count(long cells);
    static bool Continues(const Sweep& sweep, double value);
    void ShowProgress();

    UserInteraction& ui_;
    CellSink& painter_;
    RenderMode mode_;
    TraversalRects q_;
    double dx_;
    double dy_;
    double increment_;
    FrameStatistics& statistics_;
    WalkProgress shown_;
    double progress_ = 0.0;
    long counted_ = 0;
};

}  // namespace vistagon
