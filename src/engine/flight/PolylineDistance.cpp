#include "flight/PolylineDistance.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vistagon {

namespace {

constexpr size_t kRunLength = 32;

double SegmentDistance(const CurvePoint& p, const CurvePoint& a, const CurvePoint& b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double squared = dx * dx + dy * dy;
    double t = squared > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / squared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

double PolylineDistance::Run::BoxDistance(const CurvePoint& p) const
{
    const double dx = std::max({minX - p.x, 0.0, p.x - maxX});
    const double dy = std::max({minY - p.y, 0.0, p.y - maxY});
    return std::hypot(dx, dy);
}

PolylineDistance::PolylineDistance(const std::vector<CurvePoint>& polyline) : line_(polyline)
{
    // A single point is a segment of no length.
    if (line_.size() == 1) line_.push_back(line_.front());
    for (size_t first = 0; first + 1 < line_.size(); first += kRunLength) {
        Run run{first, std::min(first + kRunLength, line_.size() - 1), line_[first].x, line_[first].y, line_[first].x, line_[first].y};
        for (size_t i = first; i <= run.last; ++i) {
            run.minX = std::min(run.minX, line_[i].x);
            run.maxX = std::max(run.maxX, line_[i].x);
            run.minY = std::min(run.minY, line_[i].y);
            run.maxY = std::max(run.maxY, line_[i].y);
        }
        runs_.push_back(run);
    }
}

double PolylineDistance::To(const CurvePoint& p) const
{
    std::vector<std::pair<double, const Run*>> order;
    order.reserve(runs_.size());
    for (const Run& run : runs_) order.emplace_back(run.BoxDistance(p), &run);
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    double best = std::numeric_limits<double>::infinity();
    for (const auto& [boxDistance, run] : order) {
        if (boxDistance >= best) break;
        for (size_t i = run->first; i < run->last; ++i) best = std::min(best, SegmentDistance(p, line_[i], line_[i + 1]));
    }
    return best;
}

double PolylineDistance::LargestTo(const std::vector<CurvePoint>& points) const
{
    double largest = 0.0;
    for (const CurvePoint& p : points) largest = std::max(largest, To(p));
    return largest;
}

double PolylineLength(const std::vector<CurvePoint>& polyline)
{
    double length = 0.0;
    for (size_t i = 1; i < polyline.size(); ++i)
        length += std::hypot(polyline[i].x - polyline[i - 1].x, polyline[i].y - polyline[i - 1].y);
    return length;
}

}  // namespace vistagon
