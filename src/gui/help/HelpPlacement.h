#pragma once

#include <QRect>

class QWidget;

namespace vistagon::gui::HelpPlacement {

// Where a window of frame size `size` goes beside the frame `owner` on the
// screen's free area: on the side with the most room, cut to fit it, so that
// it covers nothing of the owner (its buttons above all).
QRect Beside(const QRect& owner, const QSize& size, const QRect& screen);

// Moves window beside owner on owner's screen, at its preferred size where there is room for it.
void PlaceBeside(QWidget& window, const QSize& preferred, const QWidget& owner);

}  // namespace vistagon::gui::HelpPlacement
