#pragma once

#include "platform/TempFiles.h"
#include "platform/UserInteraction.h"
#include "scene/SceneParameters.h"
#include "scene/SceneValidation.h"

#include <optional>
#include <string>

namespace vistagon {

enum class JobCopyStage { NotValid, NotWritten, Written };

// Validates the values and writes the temporary copy a job runs on: the
// scene's file (documentPath, empty for a scene never saved), then every value
// and KannBerechnen=1, each step with its Retry question. The first validation
// failure goes into problem for the caller to show; temporary removes the copy.
JobCopyStage WriteJobCopy(UserInteraction& ui, const SceneParameters& values, const std::string& documentPath,
                          FileRemover& temporary, std::optional<SceneProblem>& problem);

}  // namespace vistagon
