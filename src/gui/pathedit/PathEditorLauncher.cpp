#include "PathEditorLauncher.h"

#include "CPathView.h"
#include "shell/Shell.h"

namespace vistagon::gui {

bool OpenPathEditor(Shell& shell, const QString& picturePath, const std::vector<PathPoint>& points,
                    PathEditorClient& client)
{
    auto* view = new CPathView(shell, client);
    if (!view->Open(picturePath, points)) {
        delete view;
        return false;
    }
    shell.AddChildWindow(view);
    return true;
}

}  // namespace vistagon::gui
