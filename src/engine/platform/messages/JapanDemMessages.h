#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

inline constexpr MessageText kJapanStartBytes{1059, "Failed to read 6 start bytes."};
inline constexpr MessageText kJapanWidth{1060, "Failed to read width info."};
inline constexpr MessageText kJapanHeight{1061, "Failed to read height info."};
inline constexpr MessageText kJapanLinePrefix{1062, "Faild to read 9 bytes at\nbeginning of line at y = %d."};
inline constexpr MessageText kJapanElevation{1063, "Failed to read 5 bytes for\nelevation at x = %d, y = %d."};
inline constexpr MessageText kJapanCount{871, "Total of positive non-zero elevations: %ld"};

}  // namespace vistagon::msg
