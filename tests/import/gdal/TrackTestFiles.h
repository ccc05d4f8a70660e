#pragma once

#include "flight/PathCurve.h"
#include "platform/AppContext.h"

#include <array>
#include <string>
#include <vector>

namespace vistagon::test {

// A gray TGA of width x height with GDAL's .aux.xml beside it, placed by
// transform in the EPSG system.
void WriteGeoreferencedPicture(AppContext& context, const std::string& path, int width, int height,
                               const std::array<double, 6>& transform, int epsg);

// A vector file of one line written through OGR: driver "GPX" (a track),
// "KML", "GeoJSON", "GPKG", "ESRI Shapefile". epsg 0 writes no system; no
// vertices write an empty layer.
void WriteTrackFile(const std::string& path, const char* driver, const std::vector<CurvePoint>& vertices, int epsg);

// Points from one EPSG system into another, x east first.
std::vector<CurvePoint> Reproject(const std::vector<CurvePoint>& points, int fromEpsg, int toEpsg);

}  // namespace vistagon::test
