#pragma once

#include "import/irregular/NodalPoint.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace vistagon {

// Three indices into the nodal points, counterclockwise.
struct DelaunayTriangle {
    int v[3];
};

enum class TriangulationOutcome { Complete, Cancelled, StorageExceeded, OutOfMemory };

struct Triangulation {
    TriangulationOutcome outcome = TriangulationOutcome::Complete;
    std::vector<DelaunayTriangle> triangles;  // in list order
};

// Called before point `index` is inserted; false stops the insertion loop.
using InsertionCheckpoint = std::function<bool(size_t index)>;

// At most this many edges bound the triangles one point removes, and at most
// 2n + kSpareTriangles triangles exist at once.
constexpr size_t kMaxCavityEdges = 300;
constexpr size_t kSpareTriangles = 200;

// Incremental Delaunay triangulation by circumcircle test. The points are first
// shaken by a tiny jitter (the jittered positions replace the given ones), then
// inserted in their order into a triangle that encloses them all; every
// triangle whose circumcircle holds the new point is replaced by the fan of the
// point and the edges around them. The result keeps the triangles without
// corners of the enclosing triangle whose doubled area exceeds 0.00001, in the
// order they were made. Stopped or failed runs return what was made so far.
Triangulation TriangulateNodalPoints(std::vector<NodalPoint>& points, const InsertionCheckpoint& checkpoint);

}  // namespace vistagon
