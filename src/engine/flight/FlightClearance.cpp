#include "flight/FlightClearance.h"

#include "platform/TextFormat.h"

namespace vistagon {

std::optional<LowestClearance> FindLowestClearance(const FlightPlan& plan)
{
    std::optional<LowestClearance> lowest;
    for (const PlannedFrame& frame : plan) {
        const double height = frame.record.relativeAltitude;
        if (!lowest || height < lowest->height) lowest = LowestClearance{frame.index, height};
    }
    return lowest;
}

std::string ClearanceText(const LowestClearance& clearance)
{
    return FormatText("frame %d: %.1f above ground", clearance.frame, clearance.height);
}

}  // namespace vistagon
