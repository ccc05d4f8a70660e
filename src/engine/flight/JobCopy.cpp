#include "flight/JobCopy.h"

#include "scene/SceneScript.h"

namespace vistagon {

JobCopyStage WriteJobCopy(UserInteraction& ui, const SceneParameters& values, const std::string& documentPath,
                          FileRemover& temporary, std::optional<SceneProblem>& problem)
{
    problem = ValidateScene(values);
    if (problem) return JobCopyStage::NotValid;
    if (!WithSceneRetry(ui, "VIST", [&] { temporary.Reset(MakeTempFileName("VIST")); })) return JobCopyStage::NotWritten;
    const std::string& path = temporary.path();
    if (!WithSceneRetry(ui, path, [&] { CopyScene(documentPath, path); })) return JobCopyStage::NotWritten;
    if (!WithSceneRetry(ui, path, [&] { WriteScene(values, path); })) return JobCopyStage::NotWritten;
    return JobCopyStage::Written;
}

}  // namespace vistagon
