#pragma once

#include "flight/JobScript.h"
#include "flight/PlannedFrame.h"

#include <optional>
#include <string>
#include <vector>

namespace vistagon {

class ElevationGrid;

// None when the stored path can be flown, else the message that refuses it.
std::optional<std::string> CheckCurvedPath(const std::vector<CurvePoint>& storedPoints);

// The stored points (picture y counted down) in world coordinates; x is taken
// as it stands.
std::vector<CurvePoint> WorldPathPoints(const std::vector<CurvePoint>& storedPoints, double gridHeight);

// The cameras of frames From to To of a curved flight with flight security:
// the height follows the terrain ahead, smoothed over a window that grows with
// Total, never less than 5 units above the ground of a rendered frame; heading
// follows the travel and the camera banks into turns. The loop (path type 1)
// has positions for frames 0 to Total - 2; the open flight (path type 2) runs
// from the first point to the last over frames 0 to Total - 1. The path must
// pass CheckCurvedPath.
FlightPlan FlyCurved(const JobScript& script, const ElevationGrid& terrain);

}  // namespace vistagon
