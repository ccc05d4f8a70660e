#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

inline constexpr MessageText kCannotOpenFile{901, "Cannot open file '%s'."};
inline constexpr MessageText kProgressPercent{935, "%d%%"};

}  // namespace vistagon::msg
