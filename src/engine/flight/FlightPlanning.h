#pragma once

#include "flight/JobScript.h"
#include "flight/PlannedFrame.h"
#include "flight/RenderJob.h"
#include "image/ElevationGrid.h"
#include "platform/AppContext.h"

#include <memory>
#include <optional>
#include <string>

namespace vistagon {

// Preview reads every pixel from the files on demand.
bool JobLoadsPixels(RenderMode mode);

// Reads the job's script back; false, after the job's message, when it is no
// scene script or its curved path cannot be flown.
bool ReadFlyableScript(AppContext& context, const std::string& scriptPath, JobScript& script);

// The job's elevation grid; none when it cannot be opened (the image layer has said why).
std::unique_ptr<ElevationGrid> OpenJobTerrain(AppContext& context, const SceneParameters& scene, RenderMode mode);

// The frames a job draws: the flight from the script's From to its To, then
// only the frames of onlyFrames when given.
FlightPlan PlanFlight(const JobScript& script, const ElevationGrid& terrain, const std::optional<FrameRange>& onlyFrames);

struct FlightPlanReport {
    JobOutcome outcome = JobOutcome::Refused;  // Completed, Refused or NoTerrain
    JobScript script;
    double gridWidth = 0.0;  // the terrain's world extent
    double gridHeight = 0.0;
    FlightPlan plan;
};

// What a render job plans on its temporary script (deleted on every path),
// with its messages, and nothing else: only the terrain is opened, no frame is
// drawn and no file written.
FlightPlanReport PlanJob(AppContext& context, const std::string& scriptPath, RenderMode mode,
                         const std::optional<FrameRange>& onlyFrames);

}  // namespace vistagon
