#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

inline constexpr MessageText kMaskSizeMismatch{0, "Mask file and target file are not the same size.\n\nChoose another mask."};
inline constexpr MessageText kConfirmStopRendering{0, "Do you really want to cancel the rendering process?"};

// Our own: a closed curve needs three points before the first and after the last.
inline constexpr MessageText kTooFewPathPoints{
    0, "A curved flight needs at least three path points; this scene has %d.\nUse \"Set...\" to draw the flight path."};
inline constexpr MessageText kPathWithoutLength{
    0, "All path points of the curved flight lie on the same spot, so the flight has no length."};

}  // namespace vistagon::msg
