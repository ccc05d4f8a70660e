#pragma once

#include "image/Bgr.h"

#include <array>

namespace vistagon {

// The 4 x 4 texels the Gaussian sampler read last and where they lie. Each
// thread sampling an image keeps its own, so that the image itself is only read.
struct SampleWindow {
    std::array<Bgr, 16> texels{};
    int x = -1;
    int y = -1;
};

}  // namespace vistagon
