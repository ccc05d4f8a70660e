#include "ImageWindows.h"

#include "shell/Shell.h"

namespace vistagon::gui {

bool OpenImageWindow(Shell& shell, const QString& path)
{
    shell.Messages().ShowMessage("Image windows are not available yet: " + path.toStdString(),
                                 MessageIcon::Information);
    return false;
}

}  // namespace vistagon::gui
