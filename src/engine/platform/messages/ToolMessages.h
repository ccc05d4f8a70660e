#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

inline constexpr MessageText kValuesSaturated{980, "One or more values are saturated in the output file.\nMaximum elevation: %6.2f"};
inline constexpr MessageText kIndefiniteX{953, "The equation has an indefinite solution for x."};
inline constexpr MessageText kIndefiniteY{954, "The equation has an indefinite solution for y."};

// Our own: refusals where the conversion would otherwise divide by zero or guess.
inline constexpr MessageText kEqualAltitudeLimits{0, "The upper and the lower altitude limit must not be equal."};
inline constexpr MessageText kEmptyPalette{0, "The palette file '%s' holds no pixels."};
inline constexpr MessageText kMaskSizeMismatch{0, "The mask file '%s' is %d x %d pixels, the source file '%s' is %d x %d.\nBoth must have the same size."};
inline constexpr MessageText kBiasRange{0, "Bias values have to be between -256 and 256."};
inline constexpr MessageText kReductionRange{0, "The reduction has to be 1 : 2, 1 : 3 or 1 : 4."};

}  // namespace vistagon::msg
