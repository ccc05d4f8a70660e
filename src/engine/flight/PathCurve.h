#pragma once

#include <cstddef>
#include <vector>

namespace vistagon {

// A point of the flight path in world coordinates.
struct CurvePoint {
    double x = 0.0;
    double y = 0.0;
};

// A loop back to the first point, or a run from the first point to the last.
enum class CurveEnds { Closed, Open };

// The curve through the path points: cubic Hermite segments over the chord
// length with geometric tangents. A closed curve is travelled once around in
// Total - 1 equal steps of the chord-length parameter; an open one from its
// first point to its last in Total positions, the last on the last point.
class PathCurve {
public:
    static constexpr int kMinimumPoints = 3;

    // points must hold at least kMinimumPoints points (std::invalid_argument otherwise).
    PathCurve(const std::vector<CurvePoint>& points, int total, CurveEnds ends = CurveEnds::Closed);

    // Advances one step: position becomes the next point of the curve,
    // displacement the move to it, and curvature takes a tenth of this step's
    // curvature. Returns true, changing nothing, once the loop is complete
    // (the open curve: once its last point has been produced).
    bool Step(CurvePoint& position, CurvePoint& displacement, double& curvature);

    // The loop's length along the chord parameter.
    double Length() const { return end_ - start_; }
    CurveEnds ends() const { return ends_; }

private:
    struct Cubic {
        double a0, a1, a2, a3;
        double At(double u) const { return ((a3 * u + a2) * u + a1) * u + a0; }
    };

    void BuildKnots(const std::vector<CurvePoint>& points);
    bool PastTheEnd() const;
    void BuildSegments();
    std::size_t SegmentAt(double pos) const;

    std::vector<double> knotX_, knotY_;
    std::vector<double> chord_;  // cumulative chord length at every knot
    std::vector<Cubic> segmentX_, segmentY_;
    double start_ = 0.0;
    double pos_ = 0.0;
    double end_ = 0.0;
    double step_ = 0.0;
    CurveEnds ends_ = CurveEnds::Closed;
};

}  // namespace vistagon
