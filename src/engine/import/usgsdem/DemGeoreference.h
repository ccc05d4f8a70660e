#pragma once

#include "image/Georeference.h"
#include "import/usgsdem/DemHeader.h"
#include "import/usgsdem/DemMergeBounds.h"

#include <optional>

namespace vistagon {

// Where the posts of a file fall inside the merged raster's pixels, as a
// fraction of a pixel from their left and lower edges: 0 when the posts lie on
// the grid of the corners, more when the corners are not on the posts' grid.
struct DemGridPhase {
    double x = 0.0;
    double y = 0.0;
};

DemGridPhase GridPhaseOf(const DemMergeBounds& bounds, double x, double y);

// The map system of a header as WKT: geographic (arc-seconds) or UTM (metres
// or feet) on NAD27, NAD83, WGS 72 or WGS 84 (a blank datum is NAD27, as the
// files from before the field were); none for any other.
std::optional<Georeference> DemMapSystem(const DemHeader& header);

// True when two headers name the same map system, so that their merge lies in one.
bool SameMapSystem(const DemHeader& a, const DemHeader& b);

// Where the merged raster of the given height lies, each pixel centred on
// the post it holds.
Georeference DemRasterGeoreference(const Georeference& system, const DemHeader& header, const DemMergeBounds& bounds,
                                   int height, const DemGridPhase& phase);

}  // namespace vistagon
