#pragma once

#include "flight/FlightPlanning.h"
#include "flight/JobCopy.h"

#include <optional>
#include <string>

namespace vistagon {

struct ScenePlan {
    JobCopyStage stage = JobCopyStage::NotValid;  // Written: the job's planning ran and report holds its outcome
    std::optional<SceneProblem> problem;          // the first validation failure, for the caller to show
    FlightPlanReport report;
};

// A scene's flight exactly as Calculate would render it: the values validated
// and written into the job's temporary copy, which the job's planning reads
// back, with the job's messages. Nothing but that copy is written.
ScenePlan PlanScene(AppContext& context, const SceneParameters& values, const std::string& documentPath,
                    RenderMode mode, const std::optional<FrameRange>& onlyFrames);

}  // namespace vistagon
