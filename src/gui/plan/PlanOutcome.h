#pragma once

#include "flight/ScenePlan.h"

#include <QImage>
#include <QMetaType>
#include <memory>
#include <string>
#include <vector>

namespace vistagon::gui {

// A scene's plan as the plan window shows it: the flight the render job would
// fly, the values it was planned from (the frames are rendered from the same)
// and the path picture beneath it.
struct PlanOutcome {
    int generation = 0;  // the request it answers; older ones are dropped
    SceneParameters values;
    std::string documentPath;
    ScenePlan planned;
    std::vector<std::string> messages;  // what the job would have said
    QImage picture;                     // texture or elevation, as the path editor shows it; null when unreadable

    bool usable() const { return planned.stage == JobCopyStage::Written && planned.report.outcome == JobOutcome::Completed; }
    const FlightPlan& plan() const { return planned.report.plan; }
    // The planned frame of that animation index; none when the plan has no such frame.
    const PlannedFrame* Frame(int index) const
    {
        for (const PlannedFrame& frame : plan())
            if (frame.index == index) return &frame;
        return nullptr;
    }
};

using PlanOutcomePtr = std::shared_ptr<const PlanOutcome>;

}  // namespace vistagon::gui

Q_DECLARE_METATYPE(vistagon::gui::PlanOutcomePtr)
