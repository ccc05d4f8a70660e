#include "tools/LinearSystem4.h"

#include <cmath>
#include <utility>

namespace vistagon {

namespace {

constexpr double kTinyPivot = 1e-12;

size_t PivotRow(const Matrix4& a, size_t k)
{
    size_t best = k;
    for (size_t i = k + 1; i < 4; ++i)
        if (std::fabs(a[i][k]) > std::fabs(a[best][k])) best = i;
    return best;
}

}  // namespace

LinearSolution SolveLinearSystem(Matrix4 a, Vector4 b)
{
    LinearSolution solution;
    Vector4 pivots{};
    for (size_t k = 0; k < 4; ++k) {
        const size_t p = PivotRow(a, k);
        std::swap(a[k], a[p]);
        std::swap(b[k], b[p]);
        const bool tiny = std::fabs(a[k][k]) < kTinyPivot;
        if (tiny) solution.singular = true;
        pivots[k] = tiny ? kTinyPivot : a[k][k];
        for (size_t i = k + 1; i < 4; ++i) {
            const double factor = (tiny && a[i][k] == 0.0) ? 1.0 : a[i][k] / pivots[k];
            for (size_t j = k; j < 4; ++j) a[i][j] -= factor * a[k][j];
            b[i] -= factor * b[k];
        }
    }
    for (size_t k = 4; k-- > 0;) {
        double sum = b[k];
        for (size_t j = k + 1; j < 4; ++j) sum -= a[k][j] * solution.x[j];
        solution.x[k] = sum / pivots[k];
    }
    return solution;
}

}  // namespace vistagon
