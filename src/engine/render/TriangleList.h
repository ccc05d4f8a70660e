#pragma once

#include "render/TriangleRaster.h"
#include "render/TriangleTarget.h"

#include <vector>

namespace vistagon {

// Triangles set up for scan conversion and kept in the order they came, so
// that the bands of several threads can draw them later.
class TriangleList final : public TriangleTarget {
public:
    // Empties the list; the triangles that follow are set up by raster.
    void Begin(const TriangleRaster& raster)
    {
        triangles_.clear();
        raster_ = &raster;
    }
    void Draw(RasterVertex (&vertices)[3], double fog) override
    {
        raster_->Prepare(vertices, fog, triangles_.emplace_back());
    }
    // Draws every triangle into band's rows, in order.
    void Replay(TriangleRaster& band) const
    {
        for (const TriangleRaster::Prepared& triangle : triangles_) band.Fill(triangle);
    }

private:
    const TriangleRaster* raster_ = nullptr;
    std::vector<TriangleRaster::Prepared> triangles_;
};

}  // namespace vistagon
