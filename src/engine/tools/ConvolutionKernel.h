#pragma once

#include "image/CTGAFile.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vistagon {

// The kernel of the convolution tool, read from a matrix image: each pixel gives
// one signed weight per channel, its byte - 128 (so 128 means weight 0).
struct ConvolutionKernel {
    int width = 0;
    int height = 0;
    // Per channel (blue, green, red): width x height weights, row by row from the bottom row.
    std::array<std::vector<int8_t>, 3> weights;

    int centreX() const { return width / 2; }
    int centreY() const { return height / 2; }
    const int8_t* Row(int channel, int j) const
    {
        return weights[static_cast<size_t>(channel)].data() + static_cast<size_t>(j) * static_cast<size_t>(width);
    }

    static ConvolutionKernel FromImage(const CTGAFile& matrix);
};

}  // namespace vistagon
