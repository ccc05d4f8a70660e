#pragma once

#include <cstddef>
#include <cstdint>

namespace vistagon {

// A finished frame's picture: rows of stride bytes, bottom row first, three
// bytes a pixel (blue, green, red), valid only during the call that hands it over.
struct FramePicture {
    int index = 0;  // the frame's place in the animation
    int width = 0;
    int height = 0;
    size_t stride = 0;
    const uint8_t* rows = nullptr;
};

}  // namespace vistagon
