#include "flight/ScenePlan.h"

namespace vistagon {

ScenePlan PlanScene(AppContext& context, const SceneParameters& values, const std::string& documentPath,
                    RenderMode mode, const std::optional<FrameRange>& onlyFrames)
{
    ScenePlan result;
    FileRemover temporary;
    result.stage = WriteJobCopy(context.ui, values, documentPath, temporary, result.problem);
    if (result.stage == JobCopyStage::Written) result.report = PlanJob(context, temporary.path(), mode, onlyFrames);
    return result;
}

}  // namespace vistagon
