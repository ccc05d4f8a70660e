#pragma once

#include <QString>

namespace vistagon::gui {

class Shell;

// Opens a TGA file in an image window of the shell. False when it cannot be
// opened (the image layer has said why).
bool OpenImageWindow(Shell& shell, const QString& path);

}  // namespace vistagon::gui
