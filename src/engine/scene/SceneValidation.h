#pragma once

#include "scene/SceneParameters.h"

#include <optional>
#include <string>

namespace vistagon {

// Control IDs of the scene form that a validation failure names.
namespace control {
inline constexpr int kFocalLengthA = 348, kFocalLengthZ = 349, kTotal = 413, kFrom = 350, kTo = 412;
inline constexpr int kLightX = 368, kDustA = 340, kDustZ = 341, kSmoothness = 402;
inline constexpr int kElevScaleX = 342, kElevScaleY = 343, kSizeX = 400, kSizeY = 401;
inline constexpr int kGridX = 351, kGridY = 352, kAverageHeight = 312, kPreviewRange = 384;
inline constexpr int kElevationFile = 346, kTextureFile = 409, kOutputFile = 395, kMaskFile = 373;
}  // namespace control

struct SceneProblem {
    std::string message;  // shown with a stop icon
    int control;          // the form control that gets the focus
};

// The checks before every save and every render, in their fixed order; the
// first failure ends them.
std::optional<SceneProblem> ValidateScene(const SceneParameters& scene);

}  // namespace vistagon
