#include "flight/PathCurve.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vistagon {

namespace {

// Differences between neighbouring knots, placed two slots on and extended
// linearly by two slots at both ends so that every knot has two on each side.
std::vector<double> KnotDifferences(const std::vector<double>& knots, size_t n)
{
    std::vector<double> d(n + 3, 0.0);
    for (size_t i = 0; i + 2 <= n; ++i) d[i + 2] = knots[i + 1] - knots[i];
    d[1] = 2.0 * d[2] - d[3];
    d[0] = 2.0 * d[1] - d[2];
    d[n + 1] = 2.0 * d[n] - d[n - 1];
    d[n + 2] = 2.0 * d[n + 1] - d[n];
    return d;
}

}  // namespace

PathCurve::PathCurve(const std::vector<CurvePoint>& points, int total, CurveEnds ends) : ends_(ends)
{
    if (points.size() < static_cast<size_t>(kMinimumPoints)) throw std::invalid_argument("a closed path needs three points");
    BuildKnots(points);
    BuildSegments();
    const size_t n = knotX_.size() - 1;
    start_ = pos_ = chord_[3];
    // The loop ends on the first point again (knot n - 3), the open curve on the last (knot n - 4).
    end_ = chord_[ends_ == CurveEnds::Closed ? n - 3 : n - 4];
    step_ = (end_ - pos_) / std::max(total - 1, 1);
}

void PathCurve::BuildKnots(const std::vector<CurvePoint>& points)
{
    const size_t count = points.size();
    const size_t n = count + 6;
    knotX_.assign(n + 1, 0.0);
    knotY_.assign(n + 1, 0.0);
    // The last three points before the first and the first three after the last
    // close the loop; an open curve repeats its end points there instead.
    for (size_t k = 0; k < n; ++k) {
        const size_t index = ends_ == CurveEnds::Closed ? (k + count - 3) % count : std::clamp<size_t>(k, 3, count + 2) - 3;
        const CurvePoint& p = points[index];
        knotX_[k] = p.x;
        knotY_[k] = p.y;
    }
    knotX_[n] = knotX_[n - 1];
    knotY_[n] = knotY_[n - 1];
}

void PathCurve::BuildSegments()
{
    const size_t n = knotX_.size() - 1;
    const std::vector<double> dx = KnotDifferences(knotX_, n);
    const std::vector<double> dy = KnotDifferences(knotY_, n);

    std::vector<double> tx(n, 0.0), ty(n, 0.0);
    for (size_t i = 0; i < n; ++i) {
        const double turnAhead = std::fabs(dx[i + 2] * dy[i + 3] - dx[i + 3] * dy[i + 2]);
        const double turnBehind = std::fabs(dx[i] * dy[i + 1] - dx[i + 1] * dy[i]);
        const double x = turnAhead * dx[i + 1] + turnBehind * dx[i + 2];
        const double y = turnAhead * dy[i + 1] + turnBehind * dy[i + 2];
        const double length = std::sqrt(x * x + y * y);
        // A path straight through the knot on both sides has no preferred tangent.
        if (length != 0.0) {
            tx[i] = x / length;
            ty[i] = y / length;
        }
    }

    chord_.assign(n, 0.0);
    for (size_t i = 1; i < n; ++i) chord_[i] = chord_[i - 1] + std::sqrt(dx[i + 1] * dx[i + 1] + dy[i + 1] * dy[i + 1]);

    const auto hermite = [](double from, double to, double slope, double nextSlope, double h) {
        Cubic c{from, slope, 0.0, 0.0};
        if (h != 0.0) {
            const double dt = nextSlope - slope;
            c.a2 = 3.0 * ((to - from) - h * dt / 3.0 - h * slope) / (h * h);
            c.a3 = (dt - 2.0 * h * c.a2) / (3.0 * h * h);
        }
        return c;
    };
    segmentX_.clear();
    segmentY_.clear();
    for (size_t j = 0; j + 1 < n; ++j) {
        const double h = chord_[j + 1] - chord_[j];
        segmentX_.push_back(hermite(knotX_[j], knotX_[j + 1], tx[j], tx[j + 1], h));
        segmentY_.push_back(hermite(knotY_[j], knotY_[j + 1], ty[j], ty[j + 1], h));
    }
}

size_t PathCurve::SegmentAt(double pos) const
{
    for (size_t j = 0; j < segmentX_.size(); ++j)
        if (chord_[j] <= pos && pos <= chord_[j + 1]) return j;
    return segmentX_.size() - 1;
}

bool PathCurve::PastTheEnd() const
{
    // The loop's end is its start again and is not produced; the open curve's
    // last position is its end, wherever rounding puts the last step.
    if (ends_ == CurveEnds::Closed) return !(end_ - 1e-9 > pos_);
    return pos_ > end_ + 0.5 * step_;
}

bool PathCurve::Step(CurvePoint& position, CurvePoint& displacement, double& curvature)
{
    if (PastTheEnd()) return true;
    const double at = std::min(pos_, end_);
    const size_t j = SegmentAt(at);
    const double u = at - chord_[j];
    const CurvePoint next{segmentX_[j].At(u), segmentY_[j].At(u)};
    const double dx = next.x - position.x;
    const double dy = next.y - position.y;
    const double squared = dx * dx + dy * dy;
    // A step of zero length (repeated points) keeps the last direction and curvature.
    if (squared != 0.0) {
        const double c = (displacement.x * dy - displacement.y * dx) / std::pow(squared, 1.5);
        curvature = (9.0 * curvature + c) / 10.0;
        displacement = CurvePoint{dx, dy};
    }
    position = next;
    pos_ += step_;
    return false;
}

}  // namespace vistagon
