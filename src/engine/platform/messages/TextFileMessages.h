#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

// The text sources of the ASCII and Japan DEM imports.
inline constexpr MessageText kCouldNotOpenTextFile{1028, "Could not open file\n'%s'.\nRetry?"};
// The status text every 1000 data lines.
inline constexpr MessageText kDataLineNumber{0, "%ld"};
// Our own: a source that opened but could not be read to its end.
inline constexpr MessageText kCouldNotReadTextFile{0, "Could not read file '%s'."};

}  // namespace vistagon::msg
