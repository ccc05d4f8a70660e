#include "PathEditorLauncher.h"

#include "image/ImageWindows.h"

namespace vistagon::gui {

// Until the editor exists the picture opens in an image window.
bool OpenPathEditor(Shell& shell, const QString& picturePath, const std::vector<PathPoint>&, PathEditorClient&)
{
    return OpenImageWindow(shell, picturePath);
}

}  // namespace vistagon::gui
