#pragma once

#include "image/Georeference.h"

#include <optional>
#include <string>
#include <string_view>

namespace vistagon {

// GDAL's auxiliary "PAM" file beside a raster, reduced to what places it: the
// coordinate system and the geotransform. Numbers are written so that they
// read back to the same double, whatever the locale.
std::string PamText(const Georeference& georeference);

// Reads the geotransform and the coordinate system of a PAM file, ours or one
// GDAL has rewritten (other elements, any spacing, entities); none without a
// complete geotransform.
std::optional<Georeference> ParsePam(std::string_view text);

}  // namespace vistagon
