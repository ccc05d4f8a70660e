#include "import/usgsdem/DemMergeBounds.h"

#include <algorithm>
#include <cmath>

namespace vistagon {

namespace {

// Keeps positions that were not on the grid exactly from losing a pixel.
constexpr double kNudge = 1e-12;

int64_t TruncateIndex(double value)
{
    constexpr double kFar = 1099511627776.0;  // 2^40, beyond every raster
    if (!(value > -kFar && value < kFar)) return value > 0 ? static_cast<int64_t>(kFar) : -static_cast<int64_t>(kFar);
    return static_cast<int64_t>(value);
}

}  // namespace

void DemMergeBounds::Add(const DemHeader& header)
{
    for (const DemPoint& corner : header.corners) {
        minX = std::min(minX, corner.x);
        maxX = std::max(maxX, corner.x);
        minY = std::min(minY, corner.y);
        maxY = std::max(maxY, corner.y);
    }
    resolutionX = std::min(resolutionX, header.resolutionX);
    resolutionY = std::min(resolutionY, header.resolutionY);
}

double DemMergeBounds::Width() const
{
    return std::trunc((maxX - minX) / resolutionX + kNudge);
}

double DemMergeBounds::Height() const
{
    return std::trunc((maxY - minY) / resolutionY + kNudge);
}

int64_t DemMergeBounds::Column(double x) const
{
    return TruncateIndex((x - minX) / resolutionX + kNudge);
}

int64_t DemMergeBounds::Row(double y) const
{
    return TruncateIndex((y - minY) / resolutionY + kNudge);
}

}  // namespace vistagon
