#pragma once

#include "render/Vec4.h"

namespace vistagon {

// One corner of a projected triangle: its pixel position (row growing
// downward), terrain point and normal.
struct RasterVertex {
    int x = 0;
    int y = 0;
    const Vec4* point = nullptr;
    const Vec4* normal = nullptr;
};

// Where a cell's projected triangles go: the picture, or a test's recorder.
class TriangleTarget {
public:
    virtual ~TriangleTarget() = default;
    // Whether a triangle at these pixel positions would change nothing, known
    // before its normals are worked out (the normals may still be missing).
    virtual bool Hidden(const RasterVertex (&)[3]) const { return false; }
    // May reorder the vertices.
    virtual void Draw(RasterVertex (&vertices)[3], double fog) = 0;
};

}  // namespace vistagon
