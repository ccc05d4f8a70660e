#include "flight/TrackReduction.h"

#include "flight/PolylineDistance.h"

#include <algorithm>
#include <cmath>

namespace vistagon {

namespace {

constexpr double kOpenGapShare = 0.02;
constexpr double kSampleSpacing = 0.5;  // pixels between samples of the flown curve
constexpr int kMostSamples = 200000;

double ChordDistance(const CurvePoint& p, const CurvePoint& a, const CurvePoint& b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    if (length == 0.0) return std::hypot(p.x - a.x, p.y - a.y);
    return std::fabs(dx * (p.y - a.y) - dy * (p.x - a.x)) / length;
}

// Marks the vertices kept between first and last, without recursion so that
// long tracks cannot exhaust the stack.
void MarkKept(const std::vector<CurvePoint>& track, double tolerance, std::vector<bool>& kept)
{
    std::vector<std::pair<size_t, size_t>> stretches{{0, track.size() - 1}};
    while (!stretches.empty()) {
        const auto [first, last] = stretches.back();
        stretches.pop_back();
        size_t farthest = first;
        double distance = -1.0;
        for (size_t i = first + 1; i < last; ++i) {
            const double d = ChordDistance(track[i], track[first], track[last]);
            if (d > distance) {
                distance = d;
                farthest = i;
            }
        }
        if (farthest == first || distance <= tolerance) continue;
        kept[farthest] = true;
        stretches.emplace_back(first, farthest);
        stretches.emplace_back(farthest, last);
    }
}

std::vector<PathPoint> WholePixels(const std::vector<CurvePoint>& track, const std::vector<size_t>& indices, CurveEnds ends)
{
    std::vector<PathPoint> points;
    for (size_t i : indices) {
        const PathPoint p{static_cast<int>(std::lround(track[i].x)), static_cast<int>(std::lround(track[i].y))};
        // Two points on one pixel would make a chord of no length.
        if (points.empty() || !(points.back() == p)) points.push_back(p);
    }
    if (ends == CurveEnds::Closed && points.size() > 1 && points.back() == points.front()) points.pop_back();
    return points;
}

std::vector<size_t> KeptWithin(const std::vector<CurvePoint>& track, size_t maxPoints)
{
    double low = 0.0, high = 0.0;
    for (const CurvePoint& p : track) high = std::max(high, ChordDistance(p, track.front(), track.back()));
    std::vector<size_t> all = DouglasPeucker(track, 0.0);
    if (all.size() <= maxPoints) return all;
    std::vector<size_t> best = DouglasPeucker(track, high);
    // The count only falls as the tolerance grows: halve the interval down to a
    // thousandth of a pixel.
    while (high - low > 1e-3) {
        const double middle = 0.5 * (low + high);
        std::vector<size_t> kept = DouglasPeucker(track, middle);
        if (kept.size() <= maxPoints) {
            best = std::move(kept);
            high = middle;
        } else {
            low = middle;
        }
    }
    return best;
}

// A straight track still needs a third point for the curve: the vertex
// nearest to halfway along it.
void AddMiddleVertex(const std::vector<CurvePoint>& track, std::vector<size_t>& kept)
{
    const double half = 0.5 * PolylineLength(track);
    double along = 0.0, nearest = half;
    size_t middle = 0;
    for (size_t i = 1; i + 1 < track.size(); ++i) {
        along += std::hypot(track[i].x - track[i - 1].x, track[i].y - track[i - 1].y);
        if (std::fabs(along - half) < nearest) {
            nearest = std::fabs(along - half);
            middle = i;
        }
    }
    if (middle != 0) kept.insert(kept.begin() + 1, middle);
}

}  // namespace

std::vector<size_t> DouglasPeucker(const std::vector<CurvePoint>& track, double tolerance)
{
    if (track.size() < 3) {
        std::vector<size_t> all(track.size());
        for (size_t i = 0; i < all.size(); ++i) all[i] = i;
        return all;
    }
    std::vector<bool> kept(track.size(), false);
    kept.front() = kept.back() = true;
    MarkKept(track, tolerance, kept);
    std::vector<size_t> indices;
    for (size_t i = 0; i < kept.size(); ++i)
        if (kept[i]) indices.push_back(i);
    return indices;
}

ReducedTrack ReduceTrack(const std::vector<CurvePoint>& track, int maxPoints, CurveEnds ends)
{
    ReducedTrack reduced;
    if (track.empty()) return reduced;
    const size_t most = static_cast<size_t>(std::max(maxPoints, PathCurve::kMinimumPoints));
    // A closed flight's last vertex returns to its first and may be dropped, so it may keep one more.
    std::vector<size_t> kept = KeptWithin(track, ends == CurveEnds::Closed ? most + 1 : most);
    if (kept.size() == 2) AddMiddleVertex(track, kept);
    reduced.points = WholePixels(track, kept, ends);
    if (reduced.points.size() > most) reduced.points.resize(most);
    if (reduced.points.size() < static_cast<size_t>(PathCurve::kMinimumPoints)) return reduced;
    const std::vector<CurvePoint> flown = FlownCurve(reduced.points, ends);
    std::vector<CurvePoint> trackLine = track;
    if (ends == CurveEnds::Closed) trackLine.push_back(track.front());
    reduced.largestDistance = std::max(PolylineDistance(flown).LargestTo(trackLine), PolylineDistance(trackLine).LargestTo(flown));
    return reduced;
}

std::vector<CurvePoint> FlownCurve(const std::vector<PathPoint>& points, CurveEnds ends)
{
    std::vector<CurvePoint> knots;
    for (const PathPoint& p : points) knots.push_back(CurvePoint{static_cast<double>(p.x), static_cast<double>(p.y)});
    std::vector<CurvePoint> closedLine = knots;
    closedLine.push_back(knots.front());
    const double length = PolylineLength(ends == CurveEnds::Closed ? closedLine : knots);
    const int samples = std::clamp(static_cast<int>(length / kSampleSpacing) + 2, 20 * static_cast<int>(knots.size()), kMostSamples);
    PathCurve curve(knots, samples, ends);
    std::vector<CurvePoint> flown;
    CurvePoint p, m;
    double k = 0.0;
    while (!curve.Step(p, m, k)) flown.push_back(p);
    if (ends == CurveEnds::Closed) flown.push_back(knots.front());
    return flown;
}

CurveEnds EndsOfTrack(const std::vector<CurvePoint>& track)
{
    if (track.size() < 2) return CurveEnds::Open;
    const double gap = std::hypot(track.back().x - track.front().x, track.back().y - track.front().y);
    return gap > kOpenGapShare * PolylineLength(track) ? CurveEnds::Open : CurveEnds::Closed;
}

}  // namespace vistagon
