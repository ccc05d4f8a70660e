#pragma once

#include "import/irregular/DelaunayTriangulation.h"

#include <vector>

namespace vistagon::test {

// The insertion written out the plain way: one list of triangles, every
// triangle tested against every point, removed ones dropped from the list,
// new ones appended. Slow, and kept only to check the fast one against.
Triangulation ReferenceTriangulation(std::vector<NodalPoint>& points);

}  // namespace vistagon::test
