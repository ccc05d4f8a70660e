#pragma once

#include "flight/PlannedFrame.h"

#include <optional>
#include <string>

namespace vistagon {

// The frame of a plan that passes nearest to the ground below it.
struct LowestClearance {
    int frame = 0;
    double height = 0.0;  // camera height above the terrain directly below
};

// The first of the frames with the least height above ground; none for an empty plan.
std::optional<LowestClearance> FindLowestClearance(const FlightPlan& plan);

// "frame 512: 6.1 above ground"
std::string ClearanceText(const LowestClearance& clearance);

}  // namespace vistagon
