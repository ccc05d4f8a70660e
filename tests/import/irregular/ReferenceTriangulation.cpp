#include "ReferenceTriangulation.h"

#include "import/irregular/JitterRandom.h"

#include <algorithm>
#include <cmath>

namespace vistagon::test {

namespace {

struct ListedTriangle {
    int v[3];
    double cx, cy, r2;
};

struct Edge {
    int a, b;
};

}  // namespace

Triangulation ReferenceTriangulation(std::vector<NodalPoint>& points)
{
    Triangulation result;
    const size_t n = points.size();
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    for (const NodalPoint& p : points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const double rangeX = maxX - minX, rangeY = maxY - minY;
    const double eps = 0.00001 * std::max(rangeX, rangeY);
    JitterRandom random;
    std::vector<double> x(n + 3), y(n + 3);
    for (size_t i = 0; i < n; ++i) {
        points[i].x += (0.5 - random.Next() / 2147483647.0) * eps;
        points[i].y += (0.5 - random.Next() / 2147483647.0) * eps;
        x[i] = points[i].x;
        y[i] = points[i].y;
    }
    x[n] = minX + 50 * rangeX, y[n] = minY - 10 * rangeY;
    x[n + 1] = minX - 10 * rangeX, y[n + 1] = minY + 50 * rangeY;
    x[n + 2] = minX - 10 * rangeX, y[n + 2] = minY - 10 * rangeY;

    const int nn = static_cast<int>(n);
    std::vector<ListedTriangle> list = {{{nn, nn + 1, nn + 2}, 0.0, 0.0, 3.4028234663852886e38}};
    for (int i = 0; i < nn; ++i) {
        std::vector<Edge> edges;
        std::vector<ListedTriangle> kept;
        for (const ListedTriangle& t : list) {
            const double r = t.r2 - (x[i] - t.cx) * (x[i] - t.cx) - (y[i] - t.cy) * (y[i] - t.cy);
            if (!(r >= 0)) {
                kept.push_back(t);
                continue;
            }
            const Edge own[3] = {{t.v[0], t.v[1]}, {t.v[0], t.v[2]}, {t.v[1], t.v[2]}};
            for (const Edge& e : own) {
                auto same = std::find_if(edges.begin(), edges.end(), [&](const Edge& o) { return o.a == e.a && o.b == e.b; });
                if (same != edges.end()) {
                    edges.erase(same);
                } else if (edges.size() == kMaxCavityEdges) {
                    result.outcome = TriangulationOutcome::StorageExceeded;
                    return result;
                } else {
                    edges.push_back(e);
                }
            }
        }
        list = kept;
        for (const Edge& e : edges) {
            // Cramer's rule on (v - p) . c = (|v|^2 - |p|^2) / 2 for both edge ends.
            const double a11 = x[e.a] - x[i], a12 = y[e.a] - y[i];
            const double a21 = x[e.b] - x[i], a22 = y[e.b] - y[i];
            const double b1 = (x[e.a] * x[e.a] + y[e.a] * y[e.a] - (x[i] * x[i] + y[i] * y[i])) / 2;
            const double b2 = (x[e.b] * x[e.b] + y[e.b] * y[e.b] - (x[i] * x[i] + y[i] * y[i])) / 2;
            double det = a11 * a22 - a21 * a12;
            if (det == 0) det = 1e-12;
            const double cx = (b1 * a22 - b2 * a12) / det;
            const double cy = (a11 * b2 - a21 * b1) / det;
            list.push_back({{e.a, e.b, i}, cx, cy, (x[i] - cx) * (x[i] - cx) + (y[i] - cy) * (y[i] - cy)});
        }
        if (list.size() > 2 * n + kSpareTriangles) {
            result.outcome = TriangulationOutcome::StorageExceeded;
            return result;
        }
    }
    for (const ListedTriangle& t : list) {
        if (t.v[0] >= nn) continue;
        const double d = (x[t.v[0]] - x[t.v[2]]) * (y[t.v[1]] - y[t.v[2]]) - (y[t.v[0]] - y[t.v[2]]) * (x[t.v[1]] - x[t.v[2]]);
        if (!(std::fabs(d) > 0.00001)) continue;
        if (d >= 0) result.triangles.push_back({{t.v[0], t.v[1], t.v[2]}});
        else result.triangles.push_back({{t.v[0], t.v[2], t.v[1]}});
    }
    return result;
}

}  // namespace vistagon::test
