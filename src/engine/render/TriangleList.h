#pragma once

#include "render/TriangleRaster.h"
#include "render/TriangleTarget.h"

#include <vector>

namespace vistagon {

// Triangles kept in the order they came, with copies of their points and
// normals, to be drawn later by one or several targets.
class TriangleList final : public TriangleTarget {
public:
    // Empties the list; culler tells the triangles hidden in every band, which are left out.
    void Begin(const TriangleRaster& culler)
    {
        triangles_.clear();
        culler_ = &culler;
    }
    bool Hidden(const RasterVertex (&vertices)[3]) const override { return culler_->HiddenInEveryBand(vertices); }
    void Draw(RasterVertex (&vertices)[3], double fog) override;

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

    const TriangleRaster* culler_ = nullptr;
    std::vector<Triangle> triangles_;
};

}  // namespace vistagon
