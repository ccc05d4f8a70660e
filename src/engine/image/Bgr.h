#pragma once

#include <cstdint>

namespace vistagon {

// One 24-bit pixel in file and raster byte order.
struct Bgr {
    uint8_t b = 0;
    uint8_t g = 0;
    uint8_t r = 0;

    friend bool operator==(const Bgr&, const Bgr&) = default;
};

// A packed colour value: bits 0-7 blue, 8-15 green, 16-23 red.
inline Bgr BgrFromPacked(uint32_t value)
{
    return Bgr{static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>((value >> 8) & 0xFF),
               static_cast<uint8_t>((value >> 16) & 0xFF)};
}

}  // namespace vistagon
