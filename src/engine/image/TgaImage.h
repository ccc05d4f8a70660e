#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vistagon {

// The raster in memory, laid out as a packed device-independent bitmap: a
// 40-byte info header, then bottom-up rows of `stride` bytes (3 x width rounded
// up to a multiple of 4), zero padding. Row 0 is the bottom row of the picture.
class TgaImage {
public:
    static constexpr size_t kInfoHeaderSize = 40;
    static constexpr int32_t kPixelsPerMetre = 3937;

    // A zero-filled 24-bit raster, or none when the size cannot be held.
    static std::unique_ptr<TgaImage> Allocate(int width, int height);
    // Adopts any packed bitmap (clipboard images); none when the block is malformed.
    static std::unique_ptr<TgaImage> FromPackedBitmap(const uint8_t* data, size_t size);

    // ((3 x width - 1) div 4) x 4 + 4, with C's truncating division.
    static size_t StrideFor(int width)
    {
        return width <= 0 ? 4 : ((3 * static_cast<size_t>(width) - 1) / 4) * 4 + 4;
    }

    int32_t width() const { return ReadInt32(4); }
    int32_t height() const { return ReadInt32(8); }
    uint32_t infoSize() const { return static_cast<uint32_t>(ReadInt32(0)); }
    uint16_t bitCount() const { return static_cast<uint16_t>(block_.get()[14] | (block_.get()[15] << 8)); }
    uint32_t compression() const { return static_cast<uint32_t>(ReadInt32(16)); }
    uint32_t colorsUsed() const { return static_cast<uint32_t>(ReadInt32(32)); }
    bool HasColorTable() const;
    size_t stride() const { return stride_; }

    uint8_t* Row(int y) { return pixels_ + static_cast<size_t>(y) * stride_; }
    const uint8_t* Row(int y) const { return pixels_ + static_cast<size_t>(y) * stride_; }
    uint8_t* Pixels() { return pixels_; }
    const uint8_t* Pixels() const { return pixels_; }

    // The whole packed bitmap block (info header, any colour table, pixels).
    const uint8_t* Block() const { return block_.get(); }
    size_t BlockSize() const { return blockSize_; }

private:
    struct FreeDeleter {
        void operator()(uint8_t* p) const;
    };

    TgaImage() = default;
    int32_t ReadInt32(size_t offset) const;

    std::unique_ptr<uint8_t, FreeDeleter> block_;
    size_t blockSize_ = 0;
    uint8_t* pixels_ = nullptr;
    size_t stride_ = 0;
};

}  // namespace vistagon
