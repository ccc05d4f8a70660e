#pragma once

#include "platform/Profile.h"

#include <array>

namespace vistagon {

struct CornerPoint {
    double x = 0.0;
    double y = 0.0;
};

// The four corner pairs of the rectify tool, in picture coordinates (from the
// top-left corner, y growing downward). They are kept in the profile between
// uses, section "RectifyCorners", keys "x1" ... "y4" and "x1'" ... "y4'".
struct RectifyCorners {
    std::array<CornerPoint, 4> output{};
    std::array<CornerPoint, 4> source{};

    // Every value absent from the profile reads as 0.0.
    static RectifyCorners Load(const Profile& profile);
    // Writes every value as "%f". Raises FileError when the profile cannot be written.
    void Store(const Profile& profile) const;
};

}  // namespace vistagon
