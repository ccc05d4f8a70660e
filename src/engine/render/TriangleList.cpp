#include "render/TriangleList.h"

namespace vistagon {

void TriangleList::Draw(RasterVertex (&vertices)[3], double fog)
{
    Triangle& t = triangles_.emplace_back();
    for (int k = 0; k < 3; ++k) {
        t.x[k] = vertices[k].x;
        t.y[k] = vertices[k].y;
        t.point[k] = *vertices[k].point;
        t.normal[k] = *vertices[k].normal;
    }
    t.fog = fog;
}

void TriangleList::Replay(TriangleTarget& target) const
{
    for (const Triangle& t : triangles_) {
        RasterVertex vertices[3];
        for (int k = 0; k < 3; ++k) vertices[k] = {t.x[k], t.y[k], &t.point[k], &t.normal[k]};
        target.Draw(vertices, t.fog);
    }
}

}  // namespace vistagon
