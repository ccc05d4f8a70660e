#include "ImageWindows.h"

#include "CTGAView.h"
#include "shell/Shell.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace vistagon::gui {

bool OpenImageWindow(Shell& shell, const QString& path)
{
    auto* view = new CTGAView(shell);
    if (!view->OpenDocument(path)) {
        delete view;
        return false;
    }
    QMdiSubWindow* window = shell.AddChildWindow(view);
    if (window != nullptr && window->mdiArea() != nullptr) view->FitWindow(window, window->mdiArea()->viewport()->size());
    return true;
}

}  // namespace vistagon::gui
