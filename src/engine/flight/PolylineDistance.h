#pragma once

#include "flight/PathCurve.h"

#include <vector>

namespace vistagon {

// The shortest distance from points to a polyline. The polyline's segments are
// kept in runs with bounding boxes, so that a query looks only at the runs
// that can be nearer than what it has found.
class PolylineDistance {
public:
    explicit PolylineDistance(const std::vector<CurvePoint>& polyline);

    double To(const CurvePoint& p) const;
    // The largest of To over points.
    double LargestTo(const std::vector<CurvePoint>& points) const;

private:
    struct Run {
        size_t first, last;  // segments first .. last - 1
        double minX, minY, maxX, maxY;
        double BoxDistance(const CurvePoint& p) const;
    };

    std::vector<CurvePoint> line_;
    std::vector<Run> runs_;
};

// The length of a polyline.
double PolylineLength(const std::vector<CurvePoint>& polyline);

}  // namespace vistagon
