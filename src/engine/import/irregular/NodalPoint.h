#pragma once

namespace vistagon {

// One scattered height sample: x and y in output pixel units (x to the right,
// y upward, row 0 at the bottom) and its height, already times the z scale.
struct NodalPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

}  // namespace vistagon
