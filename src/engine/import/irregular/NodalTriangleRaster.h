#pragma once

#include "import/irregular/DelaunayTriangulation.h"
#include "import/irregular/NodalPoint.h"

#include <vector>

namespace vistagon {

class CTGAFile;

// Scan-converts each triangle, in list order, into the elevation image: heights
// interpolated linearly along the edges and then along each row, truncated and
// stored as their lowest 24 bits. Later triangles overwrite earlier ones.
void RasteriseNodalTriangles(const std::vector<NodalPoint>& points, const std::vector<DelaunayTriangle>& triangles,
                             CTGAFile& image);

}  // namespace vistagon
