#include "RenderLauncher.h"

#include "platform/GuiInteraction.h"
#include "shell/Shell.h"

#include <algorithm>
#include <thread>

namespace vistagon::gui {

// Until the rendering window exists the job draws into images of its own.
CalculateResult CalculateInRenderingWindow(Shell& shell, SceneForm& form, RenderMode mode)
{
    NoProgressText status;
    GuiInteraction interaction(shell.Messages(), status);
    AppContext context{interaction, shell.AppProfile()};
    RenderHost host;
    RenderJobOptions options;
    options.workers = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    return Calculate(context, form, mode, host, options);
}

}  // namespace vistagon::gui
