#pragma once

#include <QRect>
#include <QString>
#include <optional>

namespace vistagon::gui {

// The main frame's "Settings"/"WindowPos": placement flags, show command,
// minimised and maximised positions and the normal rectangle, ten numbers.
struct WindowPlacement {
    static constexpr unsigned kRestoreToMaximized = 2;
    static constexpr unsigned kShowNormal = 1, kShowMinimized = 2, kShowMaximized = 3;

    unsigned flags = 0;
    unsigned showCommand = kShowNormal;
    int minX = -1, minY = -1, maxX = -1, maxY = -1;
    int left = 0, top = 0, right = 0, bottom = 0;

    // Only a text of exactly ten numbers is a placement.
    static std::optional<WindowPlacement> Parse(const QString& text);
    // "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d"
    QString Format() const;

    QRect NormalRect() const { return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); }
    static WindowPlacement FromWindow(const QRect& normal, bool maximized, bool minimized);
};

}  // namespace vistagon::gui
