#pragma once

namespace vistagon {

// How the stencil of a cell is obtained.
enum class StencilStep { Full, Right, Left };

// What the painter's-order walk hands each cell to: a painter, or the queue of
// a frame shared between threads.
class CellSink {
public:
    virtual ~CellSink() = default;
    // step tells how (x, y) follows the cell handed over before it.
    virtual void Paint(double x, double y, StencilStep step) = 0;
};

}  // namespace vistagon
