#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

inline constexpr MessageText kCouldNotOpenTga{0, "Could not open TGA file\n'%s'.\nRetry?"};
inline constexpr MessageText kCouldNotReadTga{0, "Could not read TGA file\n'%s'.\nRetry?"};
inline constexpr MessageText kCouldNotSaveTga{0, "Could not save TGA file\n'%s'.\nRetry?"};
inline constexpr MessageText kTgaTooLarge{0, "TGA file is too large."};
inline constexpr MessageText kCouldNotCreateTga{0, "Could not create TGA file."};
inline constexpr MessageText kCouldNotOpenYuv{0, "Could not open YUV file\n'%s'.\nRetry?"};
inline constexpr MessageText kCouldNotSaveYuv{0, "Could not save YUV file\n'%s'.\nRetry?"};
// Our own: WriteTga refuses rasters that are not plain 24-bit bitmaps.
inline constexpr MessageText kCannotSaveImageKind{0, "The image '%s' is not a 24-bit picture and cannot be saved as TGA."};

}  // namespace vistagon::msg
