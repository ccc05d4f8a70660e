#pragma once

#include "flight/Calculate.h"
#include "render/RenderTypes.h"

namespace vistagon::gui {

class Shell;

// Calculate Preview, Raw or Final of a scene form: opens a rendering window in
// the shell and runs the job in it to its end. Validation failures come back in
// the result for the form to show and focus.
// onlyFrames draws just those frames of the flight, as render --frames does.
CalculateResult CalculateInRenderingWindow(Shell& shell, SceneForm& form, RenderMode mode,
                                           const std::optional<FrameRange>& onlyFrames = std::nullopt);

}  // namespace vistagon::gui
