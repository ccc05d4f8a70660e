#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

inline constexpr MessageText kIrregularOneItem{1018, "Line %ld: only one item found."};
inline constexpr MessageText kIrregularTwoItems{1021, "Line %ld: only two items found."};
inline constexpr MessageText kIrregularNoItem{1006, "Line %ld: no item found."};
inline constexpr MessageText kIrregularTooManyMessages{1022, "Number of error messages exceeded."};
inline constexpr MessageText kIrregularTooManyPoints{1023, "Number of nodal points exceeded."};
inline constexpr MessageText kIrregularNoValidLine{1025, "Not a single valid line encountered."};
inline constexpr MessageText kTgaIrregularTooManyPoints{1026, "Number of nodal points exceeded."};
inline constexpr MessageText kTgaIrregularNoPoint{1027, "Not a single valid nodal point encountered."};
inline constexpr MessageText kCouldNotAllocate{1029, "Could not allocate memory.\nRetry?"};
inline constexpr MessageText kTriangulationStorage{0, "nnsort: Temporary storage exceeded - increase TSIZE"};
// Our own: the working arrays of the triangulation could not be had.
inline constexpr MessageText kTriangulationMemory{0, "Not enough memory to triangulate the nodal points."};
// Our own: a TGA picked as the source of the ASCII import.
inline constexpr MessageText kIrregularSourceIsTga{0, "'%s' is a TGA file; scattered points in a TGA file are read by the TGA irregular import."};

}  // namespace vistagon::msg
