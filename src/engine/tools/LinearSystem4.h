#pragma once

#include <array>

namespace vistagon {

using Matrix4 = std::array<std::array<double, 4>, 4>;
using Vector4 = std::array<double, 4>;

struct LinearSolution {
    Vector4 x{};
    // A pivot fell below 1e-12; x is what the elimination found regardless.
    bool singular = false;
};

// Gaussian elimination with partial pivoting and back substitution. A pivot
// below 1e-12 in magnitude marks the system singular; the elimination then
// divides by 1e-12 instead (and subtracts the pivot row whole where the entry
// to eliminate is already 0) and carries on.
LinearSolution SolveLinearSystem(Matrix4 a, Vector4 b);

}  // namespace vistagon
