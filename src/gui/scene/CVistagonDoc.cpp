#include "CVistagonDoc.h"

#include <QFileInfo>

namespace vistagon::gui {

void CVistagonDoc::SetPath(const QString& path)
{
    path_ = QFileInfo(path).absoluteFilePath();
    title_ = QFileInfo(path).fileName();
}

}  // namespace vistagon::gui
