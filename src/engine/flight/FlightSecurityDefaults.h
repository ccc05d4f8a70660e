#pragma once

#include "flight/PathCurve.h"
#include "scene/SceneParameters.h"

#include <string>
#include <vector>

namespace vistagon {

// Fills the flight-security values a curved flight cannot do without
// (average height, look-ahead, roll factor) where the scene has them at zero:
// a height of a quarter of the terrain's relief or a fortieth of the path's
// length (at least 10 units), a look-ahead of one smoothing window, and a
// roll factor that banks the sharpest turn of the flight by 30 degrees.
// worldPoints are the path in world units, relief the terrain's height range
// times the first frame's z scale. Returns the "Field=value" lines it set.
std::vector<std::string> FillFlightSecurity(SceneParameters& scene, const std::vector<CurvePoint>& worldPoints,
                                            CurveEnds ends, double relief);

}  // namespace vistagon
