#include "ImageWindows.h"

#include "CTGAView.h"
#include "shell/Shell.h"

namespace vistagon::gui {

bool OpenImageWindow(Shell& shell, const QString& path)
{
    auto* view = new CTGAView(shell);
    if (!view->OpenDocument(path)) {
        delete view;
        return false;
    }
    shell.AddChildWindow(view);
    return true;
}

}  // namespace vistagon::gui
