#pragma once

#include <array>
#include <cstdint>

namespace vistagon {

// The 18-byte TGA file header; multi-byte fields little-endian.
struct TgaHeader {
    static constexpr int kSize = 18;

    uint8_t idLength = 0;
    uint8_t colorMapType = 0;
    uint8_t imageType = 2;
    uint16_t colorMapFirst = 0;
    uint16_t colorMapLength = 0;
    uint8_t colorMapEntrySize = 24;
    uint16_t xOrigin = 0;
    uint16_t yOrigin = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint8_t bitsPerPixel = 24;
    uint8_t descriptor = 0;

    // The values this system writes, for an image of the given size.
    static TgaHeader ForImage(int width, int height);

    std::array<uint8_t, kSize> Encode() const;
    static TgaHeader Decode(const uint8_t* bytes);

    // Uncompressed true colour without colour map: the only flavour decoded.
    bool IsSupported() const { return colorMapType == 0 && imageType == 2; }
    // Where the pixel rows begin in the file.
    uint64_t PixelOffset() const { return kSize + idLength; }
};

}  // namespace vistagon
