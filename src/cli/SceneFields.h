#pragma once

#include "scene/SceneParameters.h"

#include <string>
#include <vector>

namespace vistagon::cli {

// The scene's fields by the English names that "info" prints, case-insensitive.
class SceneFields {
public:
    // Sets a field from its text, parsed as the form parses it. False when the
    // name is unknown; raises UsageError for a value that does not parse.
    static bool Assign(SceneParameters& scene, const std::string& name, const std::string& value);
    // The canonical spelling of a field name, empty when unknown.
    static std::string Canonical(const std::string& name);
    static std::vector<std::string> Names();
};

}  // namespace vistagon::cli
