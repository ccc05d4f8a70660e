#pragma once

#include "image/Georeference.h"
#include "platform/AppContext.h"

#include <optional>
#include <string>

namespace vistagon {

// GDAL's auxiliary file beside a raster: "RASTER.aux.xml".
std::string GeoreferencePath(const std::string& rasterPath);

// The georeference of a raster from its auxiliary file; none when there is no
// such file or it holds no complete geotransform.
std::optional<Georeference> ReadGeoreference(const std::string& rasterPath);

// Puts the georeference beside a finished raster, replacing the auxiliary file
// only once the new one is complete. Without a georeference (and beside a YUV
// picture, which GDAL does not read) an old auxiliary file is removed, since it
// would place the new raster wrongly. Raises FileError.
void WriteGeoreference(const std::string& rasterPath, const std::optional<Georeference>& georeference);

// WriteGeoreference for a job: on failure says "Cannot write file '%s'." and
// takes the stale file away; true when the auxiliary file is as it should be.
bool SaveGeoreference(AppContext& context, const std::string& rasterPath,
                      const std::optional<Georeference>& georeference);

}  // namespace vistagon
