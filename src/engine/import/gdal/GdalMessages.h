#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

inline constexpr MessageText kGdalCannotOpen{0, "Cannot open file '%s'.\n%s"};
inline constexpr MessageText kGdalNoSuchBand{0, "The raster '%s' has %d band(s); band %d does not exist."};
inline constexpr MessageText kGdalWindowOutside{0, "The window %d,%d,%d,%d does not lie inside the raster of %d x %d pixels."};
inline constexpr MessageText kGdalTooLarge{0, "An output of %d x %d pixels is larger than an elevation file can hold (65535 x 65535).\nUse --size to resample it or --window to cut out a part."};
inline constexpr MessageText kGdalNoMemory{0, "An output of %d x %d pixels would not fit in memory.\nUse --size to resample it or --window to cut out a part."};
inline constexpr MessageText kGdalReadFailed{0, "Cannot read file '%s'.\n%s"};

}  // namespace vistagon::msg
