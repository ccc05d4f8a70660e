#include "HelpPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vistagon::gui::HelpPlacement {

namespace {

constexpr int kGap = 8;

int Clamp(int value, int low, int high)
{
    return std::max(low, std::min(value, high));
}

}  // namespace

QRect Beside(const QRect& owner, const QSize& size, const QRect& screen)
{
    // Each side's free part; a window left of or above the owner keeps to the owner's edge.
    struct Room {
        QRect free;
        bool alongRight;
        bool alongBottom;
    };
    const Room rooms[] = {
        {{owner.right() + 1 + kGap, screen.top(), screen.right() - owner.right() - kGap, screen.height()}, false, false},
        {{screen.left(), screen.top(), owner.left() - kGap - screen.left(), screen.height()}, true, false},
        {{screen.left(), owner.bottom() + 1 + kGap, screen.width(), screen.bottom() - owner.bottom() - kGap}, false, false},
        {{screen.left(), screen.top(), screen.width(), owner.top() - kGap - screen.top()}, false, true},
    };
    QRect best;
    for (const Room& room : rooms) {
        const QRect& free = room.free;
        if (free.width() <= 0 || free.height() <= 0) continue;
        const QSize fit = size.boundedTo(free.size());
        const int x = room.alongRight ? free.right() - fit.width() + 1
                                      : Clamp(owner.left(), free.left(), free.right() - fit.width() + 1);
        const int y = room.alongBottom ? free.bottom() - fit.height() + 1
                                       : Clamp(owner.top(), free.top(), free.bottom() - fit.height() + 1);
        if (fit.width() * fit.height() > best.width() * best.height()) best = QRect(QPoint(x, y), fit);
    }
    return best;
}

void PlaceBeside(QWidget& window, const QSize& preferred, const QWidget& owner)
{
    const QScreen* screen = owner.screen();
    if (screen == nullptr) return;
    // The frame's decorations are known once the window has been shown; before, they count as none.
    const QSize decorations = window.frameGeometry().size() - window.geometry().size();
    const QRect placed = Beside(owner.frameGeometry(), preferred + decorations, screen->availableGeometry());
    if (placed.isEmpty()) return;
    window.resize(placed.size() - decorations);
    window.move(placed.topLeft());
}

}  // namespace vistagon::gui::HelpPlacement
