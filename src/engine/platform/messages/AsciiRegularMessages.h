#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

inline constexpr MessageText kRegularOneItem{989, "Line %ld: only one item found."};
inline constexpr MessageText kRegularTwoItems{990, "Line %ld: only two items found."};
inline constexpr MessageText kRegularNoItem{991, "Line %ld: no item found."};
inline constexpr MessageText kRegularTooManyMessages{992, "Number of error messages exceeded."};
// Our own: the mapping onto the grid divides by maximum - minimum.
inline constexpr MessageText kRegularEqualBoundsX{0, "Minimum x and maximum x are equal; the boundaries must enclose the grid."};
inline constexpr MessageText kRegularEqualBoundsY{0, "Minimum y and maximum y are equal; the boundaries must enclose the grid."};
// Our own: a source without a single data line gives no grid.
inline constexpr MessageText kRegularNoValidLine{0, "The file holds no line with three numbers."};

}  // namespace vistagon::msg
