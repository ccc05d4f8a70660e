#pragma once

#include "platform/AppContext.h"
#include "scene/CameraPlacement.h"

#include <optional>
#include <string>

namespace vistagon::cli {

// The size and height range of an elevation file; none when it cannot be read.
std::optional<TerrainExtent> ReadTerrainExtent(AppContext& context, const std::string& path);

}  // namespace vistagon::cli
