#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

inline constexpr MessageText kCouldNotSaveVgs{0, "Could not save VGS file\n'%s'.\nRetry?"};
inline constexpr MessageText kNotASceneFile{0, "'%s' is not a VGS scene file."};

inline constexpr MessageText kFocalFirst{0, "Focal length in first frame has to be greater than zero."};
inline constexpr MessageText kFocalLast{0, "Focal length in last frame has to be greater than zero."};
inline constexpr MessageText kTotalCurved{0, "Total frame count has to be greater than 2 in curved paths."};
inline constexpr MessageText kTotalStraight{0, "Total frame count has to be greater than zero in straight paths."};
inline constexpr MessageText kTotalTooLarge{0, "The fotal frame count cannot exceed 16384."};
inline constexpr MessageText kFromNegative{0, "First frame number has to be between zero and (total frame count - 1)."};
inline constexpr MessageText kFromTooLarge{0, "The first frame number has to be less than the total frame count."};
inline constexpr MessageText kToNegative{0, "Last frame has to be greater than or equal zero."};
inline constexpr MessageText kToTooLarge{0, "The last frame number has to be less than the total frame count."};
inline constexpr MessageText kToBeforeFrom{0, "Last frame number has to be greater than or equal first frame number."};
inline constexpr MessageText kLightZero{0, "Incident light vector has to contain at least one non-zero value in x, y or z."};
inline constexpr MessageText kDustNotPositive{0, "Dust constant must have a value greater than zero."};
inline constexpr MessageText kSmoothnessRange{0, "0.0 <= Smoothness <= 1.0"};
inline constexpr MessageText kScaleX{0, "x scale has to be greater than zero."};
inline constexpr MessageText kScaleY{0, "y scale has to be greater than zero."};
inline constexpr MessageText kWidthZero{0, "Width of output file must be greater than zero."};
inline constexpr MessageText kWidthLarge{0, "Width of output file must be less than or equal 16384."};
inline constexpr MessageText kHeightZero{0, "Height of output file has to be greater than zero."};
inline constexpr MessageText kHeightLarge{0, "Height of output file has to be less than or equal 16384."};
inline constexpr MessageText kGridXZero{0, "Number of grid x divisions has to be greater than zero."};
inline constexpr MessageText kGridXLarge{0, "Number of grid x divisions has to be less than or equal 16384."};
inline constexpr MessageText kGridYZero{0, "Number of grid y divisions has to be greater than zero."};
inline constexpr MessageText kGridYLarge{0, "Number of grid y divisions has to be less than or equal 16384."};
inline constexpr MessageText kAverageHeight{0, "The average height above ground has to be greater than zero."};
inline constexpr MessageText kPreviewRange{0, "The preview range for ground contact detection has to be greater than zero."};
inline constexpr MessageText kOutputTemplate{956, "Output file name template has to contain a valid C/C++ number format string."};

inline constexpr MessageText kPathEditorOpen{0, "For this VGS file there is a flight path setting window active.\nUse \"File | Apply\" or \"File | Close\" on that one first."};
inline constexpr MessageText kRenderingWindowOpen{0, "There is a rendering window around.\nUse \"Calculate | Stop rendering\" or \"File | Close\" on that one first."};

}  // namespace vistagon::msg
