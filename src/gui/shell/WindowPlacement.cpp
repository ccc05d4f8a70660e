#include "WindowPlacement.h"

#include <QStringList>

namespace vistagon::gui {

std::optional<WindowPlacement> WindowPlacement::Parse(const QString& text)
{
    const QStringList parts = text.split(',');
    if (parts.size() != 10) return std::nullopt;
    int numbers[10];
    for (int i = 0; i < 10; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
    }
    WindowPlacement p;
    p.flags = static_cast<unsigned>(numbers[0]);
    p.showCommand = static_cast<unsigned>(numbers[1]);
    p.minX = numbers[2];
    p.minY = numbers[3];
    p.maxX = numbers[4];
    p.maxY = numbers[5];
    p.left = numbers[6];
    p.top = numbers[7];
    p.right = numbers[8];
    p.bottom = numbers[9];
    return p;
}

QString WindowPlacement::Format() const
{
    return QString::asprintf("%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", flags, showCommand, minX, minY, maxX, maxY, left, top,
                             right, bottom);
}

WindowPlacement WindowPlacement::FromWindow(const QRect& normal, bool maximized, bool minimized)
{
    WindowPlacement p;
    p.flags = maximized ? kRestoreToMaximized : 0;
    p.showCommand = maximized ? kShowMaximized : minimized ? kShowMinimized : kShowNormal;
    p.left = normal.left();
    p.top = normal.top();
    p.right = normal.left() + normal.width();
    p.bottom = normal.top() + normal.height();
    return p;
}

}  // namespace vistagon::gui
