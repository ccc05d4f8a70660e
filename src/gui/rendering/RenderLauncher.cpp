#include "RenderLauncher.h"

#include "CRenderingView.h"

#include <algorithm>
#include <thread>

namespace vistagon::gui {

CalculateResult CalculateInRenderingWindow(Shell& shell, SceneForm& form, RenderMode mode,
                                           const std::optional<FrameRange>& onlyFrames)
{
    RenderJobOptions options;
    options.onlyFrames = onlyFrames;
    // As many frames side by side as the command line draws.
    options.workers = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    auto* view = new CRenderingView(shell);
    return view->Run(form, mode, options);
}

}  // namespace vistagon::gui
