#pragma once

#include "platform/messages/MessageText.h"

namespace vistagon::msg {

inline constexpr MessageText kTrackCannotOpen{0, "Cannot open file '%s'.\n%s"};
inline constexpr MessageText kTrackNoLayer{0, "'%s' has no layer named '%s'."};
inline constexpr MessageText kTrackNoLine{0, "'%s' holds no line (a track, a route or a line string) with at least two points%s."};
inline constexpr MessageText kTrackNoSystem{0, "The track in '%s' has no coordinate system, so it cannot be placed on the picture."};
inline constexpr MessageText kPictureNotGeoreferenced{0, "The path picture '%s' has no georeferencing (no '%s.aux.xml' with a transform and a coordinate system).\nImport it with \"import gdal\", which writes that file."};
inline constexpr MessageText kTrackNoTransform{0, "The track's coordinate system cannot be transformed into the picture's.\n%s"};
inline constexpr MessageText kTrackTooShort{0, "The track covers fewer than three pixels of the picture, too few for a flight path; the scene is unchanged."};
inline constexpr MessageText kTrackOutside{0, "The track leaves the picture (%d x %d pixels with a border of %d) by up to %.1f pixels (%.0f m); the scene is unchanged."};

}  // namespace vistagon::msg
