#pragma once

#include <QString>

class QWidget;

namespace vistagon::gui {

class Shell;

// The Save As prompt of an image: "TGA Files (*.tga)", then "YUV files (*.yuv)",
// then "All Files (*.*)", starting in "Directories"/"Save" and writing the folder
// back whatever the outcome. Empty when cancelled.
QString AskImageSavePath(Shell& shell, QWidget* parent, const QString& suggestion);

}  // namespace vistagon::gui
