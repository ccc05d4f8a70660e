#pragma once

#include "import/irregular/Circumcircle.h"

#include <cstddef>
#include <vector>

namespace vistagon {

// Finds a recently inserted vertex near a new point, so that the walk to the
// triangle holding the point stays short whatever the order of the input: a
// pyramid of grids over the points' bounds, each cell remembering the last
// vertex inserted in it. The finest non-empty cell around the point wins.
class PointLocator {
public:
    PointLocator(double minX, double minY, double maxX, double maxY, size_t points);

    void Remember(int vertex, const PlanePoint& p);

    // The vertex of the finest cell around p that `usable` accepts, or -1.
    template <class Usable>
    int Near(const PlanePoint& p, Usable usable) const
    {
        for (const Level& level : levels_) {
            const int vertex = level.cells[CellOf(level, p)];
            if (vertex >= 0 && usable(vertex)) return vertex;
        }
        return -1;
    }

private:
    struct Level {
        int side = 1;
        std::vector<int> cells;
    };

    size_t CellOf(const Level& level, const PlanePoint& p) const;

    std::vector<Level> levels_;  // finest first
    double minX_;
    double minY_;
    double unitX_;  // multiplies a distance from the minimum into 0 ... 1
    double unitY_;
};

}  // namespace vistagon
