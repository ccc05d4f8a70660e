#include "flight/Ease.h"

#include <cmath>

namespace vistagon {

double Ease(double t, double first, double last, double k)
{
    double w = t;
    if (k != 0.0) {
        const double h = 1.0 / (1.0 - std::exp(-0.5 / k));
        if (t < 0.5) {
            w = h * t * (1.0 - std::exp(-t / k));
        } else {
            const double f = 1.0 - t;
            w = 1.0 - h * f * (1.0 - std::exp(-f / k));
        }
    }
    return first + (last - first) * w;
}

double FrameParameter(int index, int total)
{
    if (total < 2) return 0.0;
    return static_cast<double>(index) / static_cast<double>(total - 1);
}

}  // namespace vistagon
