#pragma once

#include "render/TriangleTarget.h"

#include <vector>

namespace vistagon {

// Triangles kept in the order they came, with copies of their points and
// normals, to be drawn later by one or several targets.
class TriangleList final : public TriangleTarget {
public:
    void Draw(RasterVertex (&vertices)[3], double fog) override;

    void Clear() { triangles_.clear(); }
    size_t size() const { return triangles_.size(); }
    // Hands every triangle to target, in order.
    void Replay(TriangleTarget& target) const;

private:
    struct Triangle {
        int x[3];
        int y[3];
        Vec4 point[3];
        Vec4 normal[3];
        double fog;
    };

    std::vector<Triangle> triangles_;
};

}  // namespace vistagon
