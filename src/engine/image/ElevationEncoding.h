#pragma once

#include "image/Bgr.h"

#include <cstdint>

namespace vistagon {

// Heights are signed 24-bit integers: blue the low byte, red the high byte.
inline uint32_t DecodeElevationRaw(const uint8_t* bgr)
{
    return static_cast<uint32_t>(bgr[0]) | (static_cast<uint32_t>(bgr[1]) << 8) | (static_cast<uint32_t>(bgr[2]) << 16);
}

inline int32_t DecodeElevation(const uint8_t* bgr)
{
    const uint32_t raw = DecodeElevationRaw(bgr);
    return raw <= 0x7FFFFF ? static_cast<int32_t>(raw) : static_cast<int32_t>(raw) - 0x1000000;
}

inline int32_t DecodeElevation(const Bgr& pixel)
{
    const uint8_t bytes[3] = {pixel.b, pixel.g, pixel.r};
    return DecodeElevation(bytes);
}

// The lowest 24 bits of v, two's complement for negative v.
inline Bgr EncodeElevation(int32_t v)
{
    const auto u = static_cast<uint32_t>(v);
    return Bgr{static_cast<uint8_t>(u & 0xFF), static_cast<uint8_t>((u >> 8) & 0xFF), static_cast<uint8_t>((u >> 16) & 0xFF)};
}

}  // namespace vistagon
