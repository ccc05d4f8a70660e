#pragma once

#include "CliSession.h"
#include "scene/SceneParameters.h"

#include <string>

namespace vistagon::cli {

// Loads an existing scene for a change; false, after its message, when the
// file cannot be read or is no scene.
bool LoadSceneFile(CliSession& session, const std::string& path, SceneParameters& scene);

// Validates and saves like the form, replacing the file only when the new text
// is complete; kSuccess with "saved PATH" on stdout, else kFailure.
int SaveSceneFile(CliSession& session, const SceneParameters& scene, const std::string& path);

}  // namespace vistagon::cli
