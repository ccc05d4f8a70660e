#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

inline constexpr MessageText kSdtsProgress{1056, "%5d/%1d"};

// Our own: the import explains every failure.
inline constexpr MessageText kSdtsNotReadable{0, "'%s' cannot be read as an ISO 8211 file:\n%s"};
inline constexpr MessageText kSdtsNoCells{0, "No raster cells found in '%s': the module needs ROWI, COLI and ELEVATION values."};
inline constexpr MessageText kSdtsTooLarge{0, "The raster in '%s' has %lld x %lld cells; a TGA file holds at most 65535 x 65535."};
inline constexpr MessageText kSdtsTooLargeForMemory{0, "The raster in '%s' (%d x %d cells) is too large to be held in memory."};

}  // namespace vistagon::msg
