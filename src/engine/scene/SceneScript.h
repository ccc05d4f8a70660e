#pragma once

#include "platform/AppContext.h"
#include "scene/SceneParameters.h"

#include <string>
#include <vector>

namespace vistagon {

// The keys of a scene script in their canonical order; "Punkt" stands for the
// path points and "KannBerechnen" is written only into a render job's copy.
const std::vector<std::string>& CanonicalSceneKeys();

// A new scene: the values of a script without keys, then the new-scene values.
SceneParameters LoadDefaults();

// Reads a scene script into scene (values that do not parse keep what scene
// held). False when the file is not a scene script (no or an empty "BeobXA").
bool LoadScene(const std::string& path, SceneParameters& scene);

// Writes every value into the script at path in canonical order, with
// KannBerechnen=1 at its place (CopyScene never carries it on). Keys already in
// the file keep their lines. Raises FileError.
void WriteScene(const SceneParameters& scene, const std::string& path);

// Rebuilds target from the canonical keys of source as text (absent keys empty)
// and the path points that source holds; never KannBerechnen. An empty or
// missing source gives every key empty. Raises FileError.
void CopyScene(const std::string& source, const std::string& target);

// The document's save: validate, write a temporary copy, copy it over path, each
// write step with its Retry question. The target is replaced only when the new
// text is complete. On a validation failure its message is shown and, when
// failedControl is given, the control to focus is stored there.
bool SaveScene(AppContext& context, const SceneParameters& scene, const std::string& path,
               int* failedControl = nullptr);

// Runs a scene-file step, asking "Could not save VGS file ... Retry?" with the
// given name after each FileError; false when the user gives up.
template <class Step>
bool WithSceneRetry(UserInteraction& ui, const std::string& name, Step&& step);

}  // namespace vistagon

#include "scene/SceneScriptRetry.h"
