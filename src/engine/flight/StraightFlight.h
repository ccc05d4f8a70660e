#pragma once

#include "flight/JobScript.h"
#include "flight/PlannedFrame.h"

namespace vistagon {

class ElevationGrid;

// The cameras of frames From to To of a straight flight: every value eased
// from its first-frame to its last-frame value.
FlightPlan FlyStraight(const JobScript& script, const ElevationGrid& terrain);

// A key pitch of exactly -90 becomes -89.99, so the camera never looks straight down.
double UsablePitch(double pitch);

}  // namespace vistagon
