#pragma once

#include "flight/PathCurve.h"

#include <optional>
#include <string>
#include <vector>

namespace vistagon {

// The first line of a vector file as OGR reads it: GPX tracks and routes,
// KML, GeoJSON, GeoPackage, Shapefile.
struct TrackLine {
    std::vector<CurvePoint> vertices;  // in the line's system, x east or longitude first
    std::string systemWkt;             // empty when the layer has none
    std::string layerName;
};

// The first feature holding a line in the first layer that has one, or in the
// named layer; a multi-line's parts are joined in order. None with the reason
// in error.
std::optional<TrackLine> ReadTrackLine(const std::string& path, const std::string& layer, std::string& error);

}  // namespace vistagon
