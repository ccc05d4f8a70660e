#pragma once

#include "flight/RecorderLog.h"
#include "render/RenderTypes.h"

#include <vector>

namespace vistagon {

// One frame of a flight, computed before anything is drawn: the camera the
// renderer gets and the row the recorder logs for it.
struct PlannedFrame {
    int index = 0;  // position in the whole animation (0 .. Total - 1)
    FrameCamera camera;
    RecorderRow record;
};

using FlightPlan = std::vector<PlannedFrame>;

}  // namespace vistagon
