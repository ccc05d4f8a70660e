#include "flight/FlightPlanning.h"

#include "flight/CurvedFlight.h"
#include "flight/StraightFlight.h"
#include "platform/TempFiles.h"
#include "platform/TextFormat.h"
#include "platform/messages/SceneMessages.h"

namespace vistagon {

bool JobLoadsPixels(RenderMode mode)
{
    return mode != RenderMode::Preview;
}

bool ReadFlyableScript(AppContext& context, const std::string& scriptPath, JobScript& script)
{
    if (!ReadJobScript(scriptPath, script)) {
        context.ui.ShowMessage(FormatText(msg::kNotASceneFile.text, scriptPath.c_str()), MessageIcon::Stop);
        return false;
    }
    if (!script.curved()) return true;
    if (auto problem = CheckCurvedPath(script.pathPoints)) {
        context.ui.ShowMessage(*problem, MessageIcon::Stop);
        return false;
    }
    return true;
}

std::unique_ptr<ElevationGrid> OpenJobTerrain(AppContext& context, const SceneParameters& scene, RenderMode mode)
{
    auto terrain = std::make_unique<ElevationGrid>(context, scene.ElevScaleX, scene.ElevScaleY, JobLoadsPixels(mode));
    if (!terrain->OnOpenDocument(scene.ElevationFileName)) return nullptr;
    return terrain;
}

FlightPlan PlanFlight(const JobScript& script, const ElevationGrid& terrain, const std::optional<FrameRange>& onlyFrames)
{
    FlightPlan plan = script.curved() ? FlyCurved(script, terrain) : FlyStraight(script, terrain);
    if (onlyFrames) {
        std::erase_if(plan, [&onlyFrames](const PlannedFrame& frame) {
            return frame.index < onlyFrames->first || frame.index > onlyFrames->last;
        });
    }
    return plan;
}

FlightPlanReport PlanJob(AppContext& context, const std::string& scriptPath, RenderMode mode,
                         const std::optional<FrameRange>& onlyFrames)
{
    const FileRemover temporaryScript(scriptPath);
    FlightPlanReport report;
    if (!ReadFlyableScript(context, scriptPath, report.script)) return report;
    report.outcome = JobOutcome::NoTerrain;
    const std::unique_ptr<ElevationGrid> terrain = OpenJobTerrain(context, report.script.values, mode);
    if (!terrain) return report;
    report.gridWidth = terrain->GetGridWidth();
    report.gridHeight = terrain->GetGridHeight();
    report.plan = PlanFlight(report.script, *terrain, onlyFrames);
    report.outcome = JobOutcome::Completed;
    return report;
}

}  // namespace vistagon
