#pragma once

namespace vistagon {

// How the stencil of a cell is obtained.
enum class StencilStep { Full, Right, Left };

// The cells of one row whose x lies in from..to (to excluded).
struct CellRun {
    double from = 0.0;
    double to = 0.0;

    bool Holds(double x) const { return x >= from && x < to; }
};

// What the painter's-order walk hands each cell to.
class CellSink {
public:
    virtual ~CellSink() = default;
    // step tells how (x, y) follows the cell handed over before it.
    virtual void Paint(double x, double y, StencilStep step) = 0;
    // Right after Paint: the cells of the same row that the sink would leave
    // out as it left out this one, which the walk may then pass over; none by default.
    virtual CellRun LeftOutRun() const { return {}; }
    // The walk passed over this many cells of that run.
    virtual void PassedOver(long /*cells*/) {}
};

}  // namespace vistagon
