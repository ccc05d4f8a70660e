#include "BackgroundInteraction.h"

#include <QStringList>

namespace vistagon::gui {

QString JoinMessages(const std::vector<std::string>& messages)
{
    QStringList lines;
    for (const std::string& text : messages) lines << QString::fromStdString(text).replace('\n', ' ');
    return lines.join(' ');
}

}  // namespace vistagon::gui
