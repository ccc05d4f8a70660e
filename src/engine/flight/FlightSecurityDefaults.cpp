#include "flight/FlightSecurityDefaults.h"

#include "flight/PolylineDistance.h"
#include "platform/TextFormat.h"

#include <algorithm>
#include <cmath>

namespace vistagon {

namespace {

constexpr double kLowestHeight = 10.0;
constexpr double kBankOfSharpestTurn = 30.0;
constexpr double kPi = 3.141592653589793;

// The largest smoothed curvature the flight meets, as the curved flight steps it.
double SharpestTurn(const std::vector<CurvePoint>& points, int total, CurveEnds ends)
{
    PathCurve curve(points, std::max(total, 3), ends);
    CurvePoint p, m;
    double k = 0.0, sharpest = 0.0;
    // The first step comes from the origin and says nothing about the path.
    if (curve.Step(p, m, k)) return 0.0;
    for (int step = 0; !curve.Step(p, m, k); ++step)
        if (step > 0) sharpest = std::max(sharpest, std::fabs(k));
    return sharpest;
}

}  // namespace

std::vector<std::string> FillFlightSecurity(SceneParameters& scene, const std::vector<CurvePoint>& worldPoints,
                                            CurveEnds ends, double relief)
{
    std::vector<std::string> set;
    std::vector<CurvePoint> line = worldPoints;
    if (ends == CurveEnds::Closed && !line.empty()) line.push_back(line.front());
    if (scene.AverageHeight == 0.0) {
        scene.AverageHeight = std::round(std::max({kLowestHeight, relief / 4.0, PolylineLength(line) / 40.0}));
        set.push_back(FormatText("AverageHeight=%g", scene.AverageHeight));
    }
    if (scene.PreviewRange == 0.0) {
        // The smoothing lags about one window behind the ground; looking that far ahead makes up for it.
        scene.PreviewRange = std::round(std::max(scene.Total / 25.0, 2.0));
        set.push_back(FormatText("PreviewRange=%g", scene.PreviewRange));
    }
    if (scene.RollFactor == 0.0 && worldPoints.size() >= static_cast<size_t>(PathCurve::kMinimumPoints)) {
        const double sharpest = SharpestTurn(worldPoints, scene.Total, ends);
        const double factor = sharpest > 0.0 ? std::tan(kBankOfSharpestTurn * kPi / 180.0) / sharpest : 1.0;
        // Two significant figures are plenty for a bank.
        const double rounded = std::stod(FormatText("%.2g", factor));
        scene.RollFactor = rounded;
        set.push_back(FormatText("RollFactor=%g", scene.RollFactor));
    }
    return set;
}

}  // namespace vistagon
