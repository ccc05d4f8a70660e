#include "render/TraversalPasses.h"

#include "platform/RowProgress.h"
#include "platform/Truncate.h"
#include "platform/UserInteraction.h"
#include "render/CellSink.h"
#include "render/FrameRenderer.h"

#include <algorithm>
#include <cmath>

namespace vistagon {

namespace {

constexpr double kSnap = 0.00001;

// The lattice coordinate step * trunc(value) (truncation toward zero).
double Snap(double step, double cells)
{
    return step * std::trunc(cells);
}

}  // namespace

TraversalRects SplitRegion(const VisibleRegion& region, double ox, double oy, double dx, double dy)
{
    TraversalRects q{{{region.minX, ox, oy, region.maxY},
                      {ox, region.maxX, oy, region.maxY},
                      {ox, region.maxX, region.minY, oy},
                      {region.minX, ox, region.minY, oy}}};
    for (TraversalRect& r : q) {
        r.x0 = std::clamp(r.x0, region.minX, region.maxX);
        r.x1 = std::clamp(r.x1, region.minX, region.maxX);
        r.y0 = std::clamp(r.y0, region.minY, region.maxY);
        r.y1 = std::clamp(r.y1, region.minY, region.maxY);
    }
    // Quadrants on the low side stop a cell short of the observer, those on the high side start a cell beyond.
    q[0].x0 = Snap(dx, (q[0].x0 - kSnap) / dx);
    q[3].x0 = Snap(dx, (q[3].x0 - kSnap) / dx);
    q[1].x0 = Snap(dx, (q[1].x0 - kSnap) / dx + 1);
    q[2].x0 = Snap(dx, (q[2].x0 - kSnap) / dx + 1);
    q[0].x1 = Snap(dx, (q[0].x1 + kSnap) / dx - 1);
    q[3].x1 = Snap(dx, (q[3].x1 + kSnap) / dx - 1);
    q[1].x1 = Snap(dx, (q[1].x1 + kSnap) / dx);
    q[2].x1 = Snap(dx, (q[2].x1 + kSnap) / dx);
    q[0].y0 = Snap(dy, (q[0].y0 - kSnap) / dy + 1);
    q[1].y0 = Snap(dy, (q[1].y0 - kSnap) / dy + 1);
    q[2].y0 = Snap(dy, (q[2].y0 - kSnap) / dy);
    q[3].y0 = Snap(dy, (q[3].y0 - kSnap) / dy);
    q[0].y1 = Snap(dy, (q[0].y1 + kSnap) / dy);
    q[1].y1 = Snap(dy, (q[1].y1 + kSnap) / dy);
    q[2].y1 = Snap(dy, (q[2].y1 + kSnap) / dy - 1);
    q[3].y1 = Snap(dy, (q[3].y1 + kSnap) / dy - 1);
    return q;
}

TraversalPasses::TraversalPasses(UserInteraction& ui, CellSink& painter, RenderMode mode,
                                 const TraversalRects& rects, double dx, double dy, double progressIncrement,
                                 FrameStatistics& statistics, WalkProgress shown)
    : ui_(ui), painter_(painter), mode_(mode), q_(rects), dx_(dx), dy_(dy), increment_(progressIncrement),
      statistics_(statistics), shown_(shown)
{
}

std::array<TraversalPasses::Pass, 8> TraversalPasses::Plan() const
{
    const TraversalRect& q0 = q_[0];
    const TraversalRect& q1 = q_[1];
    const TraversalRect& q2 = q_[2];
    const TraversalRect& q3 = q_[3];
    const bool skip1 = q0.x0 == q1.x0 || q0.y1 == q3.y1;
    const bool skip2 = q0.x1 == q1.x1 || q1.y1 == q2.y1;
    const bool skip3 = q3.x1 == q2.x1 || q2.y0 == q1.y0;
    const bool skip4 = q3.x0 == q2.x0 || q3.y0 == q0.y0;
    return {{
        {{q0.y1, q0.y0, -1}, {q0.x0, q0.x1, +1}, skip1, true, true, false},
        {{q1.y1, q1.y0, -1}, {q1.x1, q1.x0, -1}, skip2, true, true, false},
        {{q2.y0, q2.y1, +1}, {q2.x1, q2.x0, -1}, skip3, true, true, false},
        {{q3.y0, q3.y1, +1}, {q3.x0, q3.x1, +1}, skip4, true, true, false},
        {{q0.y1, q0.y0, -1}, {q0.x1 + dx_, 0, 0}, skip1 || skip2, true, false, true},
        {{q1.y0 - dy_, 0, 0}, {q1.x1, q1.x0, -1}, skip2 || skip3, false, false, false},
        {{q2.y0, q2.y1, +1}, {q2.x0 - dx_, 0, 0}, skip3 || skip4, false, false, true},
        {{q3.y1 + dy_, 0, 0}, {q3.x0, q3.x1 + dx_ + kSnap, +1, true}, skip4 || skip1, false, false, false},
    }};
}

bool TraversalPasses::Continues(const Sweep& sweep, double value)
{
    if (sweep.direction < 0) return value >= sweep.limit - kSnap;
    if (sweep.excludeLimit) return value < sweep.limit;
    return value <= sweep.limit + kSnap;
}

void TraversalPasses::Run()
{
    progress_ = 0.0;
    counted_ = 0;
    if (!(dx_ > 0.0) || !(dy_ > 0.0) || !std::isfinite(dx_) || !std::isfinite(dy_)) return;
    const std::vector<PassWalk> walks = Walks();
    for (auto walk = walks.rbegin(); walk != walks.rend(); ++walk) RunPass(*walk);
    if (shown_ == WalkProgress::Counted) progress_ = increment_ * static_cast<double>(counted_);
}

// The rows and cells as the painter's order steps them (the values summed step
// by step, so they can only be had forwards); Raw thinning counts the rows of
// all passes together.
std::vector<TraversalPasses::PassWalk> TraversalPasses::Walks() const
{
    std::vector<PassWalk> walks;
    int rowCounter = 0;
    for (const Pass& pass : Plan()) {
        if (pass.skipped) continue;
        PassWalk& walk = walks.emplace_back(PassWalk{pass, {}, {}});
        const bool thinned = pass.thinned && mode_ == RenderMode::Raw;
        for (double y = pass.rows.start; pass.rows.direction == 0 || Continues(pass.rows, y);
             y += pass.rows.direction * dy_) {
            walk.rows.push_back({y, thinned && rowCounter % 2 != 0});
            ++rowCounter;
            if (pass.rows.direction == 0) break;
        }
        for (double x = pass.cells.start; pass.cells.direction == 0 || Continues(pass.cells, x);
             x += pass.cells.direction * dx_) {
            walk.cells.push_back(x);
            if (pass.cells.direction == 0) break;
        }
    }
    return walks;
}

void TraversalPasses::ShowProgress()
{
    ShowPercent(&ui_.Status(), TruncateToInt(progress_));
}

void TraversalPasses::RunPass(const PassWalk& walk)
{
    const Pass& pass = walk.pass;
    const bool thinned = pass.thinned && mode_ == RenderMode::Raw;
    const bool fullStencil = pass.fullStencil || mode_ == RenderMode::Raw;
    // Backwards, a row that went right goes left.
    const StencilStep shift = pass.cells.direction > 0 ? StencilStep::Left : StencilStep::Right;
    for (auto row = walk.rows.rbegin(); row != walk.rows.rend(); ++row) {
        if (shown_ == WalkProgress::Shown) ShowProgress();
        if (pass.testsCancel && ui_.IsCancelled()) return;
        if (row->thinnedOut) continue;
        bool firstCell = true;
        for (size_t column = walk.cells.size(); column-- > 0;) {
            Count(1);
            if (thinned && column % 2 != 0) continue;
            ui_.Pump();
            painter_.Paint(walk.cells[column], row->y, firstCell || fullStencil ? StencilStep::Full : shift);
            firstCell = false;
            const CellRun run = painter_.LeftOutRun();
            if (run.from < run.to) column = PassOver(walk.cells, column, run, thinned);
        }
    }
}

// The cells are in order along the row, so the run's are those next to column.
size_t TraversalPasses::PassOver(const std::vector<double>& cells, size_t column, const CellRun& run, bool thinned)
{
    size_t first = column;
    if (shown_ == WalkProgress::Shown) {
        // The progress is a sum, cell by cell.
        while (first > 0 && run.Holds(cells[first - 1])) --first;
    } else {
        first = static_cast<size_t>(std::partition_point(cells.begin(), cells.begin() + static_cast<long>(column),
                                                         [&run](double x) { return !run.Holds(x); }) -
                                    cells.begin());
    }
    const long passed = static_cast<long>(column - first);
    Count(passed);
    // Thinning hands over the cells of even columns only.
    const long handed = thinned ? static_cast<long>((column + 1) / 2 - (first + 1) / 2) : passed;
    painter_.PassedOver(handed);
    return first;
}

void TraversalPasses::Count(long cells)
{
    statistics_.cellsVisited += cells;
    if (shown_ == WalkProgress::Counted) {
        counted_ += cells;
        return;
    }
    for (long k = 0; k < cells; ++k) progress_ += increment_;
}

}  // namespace vistagon
