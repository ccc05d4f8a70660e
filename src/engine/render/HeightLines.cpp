#include "render/HeightLines.h"

#include "image/ElevationGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vistagon {

HeightLines::HeightLines(const ElevationGrid& elevation, double zScale, double dx, double divisionsX)
    : elevation_(elevation), zScale_(zScale), inverseDx_(1.0 / dx)
{
    if (divisionsX > 0.0 && divisionsX < kMaxColumns && std::isfinite(inverseDx_))
        columns_ = static_cast<size_t>(divisionsX) + 6;
    for (Line& line : lines_) {
        line.xs.assign(columns_, std::numeric_limits<double>::quiet_NaN());
        line.zs.assign(columns_, 0.0);
    }
}

double HeightLines::Read(double x, double y) const
{
    return elevation_.HeightAt(x, y) * zScale_;
}

HeightLines::Line* HeightLines::LineAt(double y)
{
    if (columns_ == 0) return nullptr;
    for (Line& line : lines_) {
        if (line.used && line.y == y) {
            line.lastUse = ++uses_;
            return &line;
        }
    }
    Line& oldest = *std::min_element(lines_.begin(), lines_.end(),
                                     [](const Line& a, const Line& b) { return a.lastUse < b.lastUse; });
    oldest.y = y;
    oldest.used = true;
    oldest.lastUse = ++uses_;
    std::fill(oldest.xs.begin(), oldest.xs.end(), std::numeric_limits<double>::quiet_NaN());
    return &oldest;
}

double HeightLines::At(double x, double y)
{
    Line* line = LineAt(y);
    return line != nullptr ? FromLine(*line, x, y) : Read(x, y);
}

HeightLines::Row HeightLines::Select(double y)
{
    Row row;
    row.owner_ = this;
    row.line_ = LineAt(y);
    row.y_ = y;
    return row;
}

}  // namespace vistagon
