#pragma once

#include "flight/PathCurve.h"
#include "scene/PathPoint.h"

#include <vector>

namespace vistagon {

// A track made into path points: the points, in whole picture pixels as the
// path editor stores them, and how far the curve flown through them strays
// from the track, in pixels.
struct ReducedTrack {
    std::vector<PathPoint> points;
    double largestDistance = 0.0;
};

// The vertices Douglas-Peucker keeps at a tolerance: the start, the end, and
// every vertex farther than tolerance from the chord of its stretch.
std::vector<size_t> DouglasPeucker(const std::vector<CurvePoint>& track, double tolerance);

// Reduces a track in picture pixels (x right, y down, continuous) to at most
// maxPoints path points (at least three when the track has three distinct
// vertices), with the smallest Douglas-Peucker tolerance that keeps the count
// within maxPoints. A closed flight drops a last point that falls on its first.
ReducedTrack ReduceTrack(const std::vector<CurvePoint>& track, int maxPoints, CurveEnds ends);

// The curve flown through path points, sampled densely (for measuring and drawing).
std::vector<CurvePoint> FlownCurve(const std::vector<PathPoint>& points, CurveEnds ends);

// Open when the track ends farther from its start than 2% of its length.
CurveEnds EndsOfTrack(const std::vector<CurvePoint>& track);

}  // namespace vistagon
