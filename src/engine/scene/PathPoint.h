#pragma once

namespace vistagon {

// One point of a curved flight, in the picture it was drawn on: x to the right
// from the left edge, y DOWN from the top edge.
struct PathPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const PathPoint&, const PathPoint&) = default;
};

}  // namespace vistagon
