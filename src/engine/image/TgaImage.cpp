#include "image/TgaImage.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace vistagon {

namespace {

void Put32(uint8_t* at, uint32_t value)
{
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>((value >> (8 * i)) & 0xFF);
}

void Put16(uint8_t* at, uint16_t value)
{
    at[0] = static_cast<uint8_t>(value & 0xFF);
    at[1] = static_cast<uint8_t>(value >> 8);
}

// The largest raster we agree to hold: beyond this the size fields are nonsense.
constexpr size_t kMaxBlock = size_t(1) << 36;

}  // namespace

void TgaImage::FreeDeleter::operator()(uint8_t* p) const
{
    std::free(p);
}

int32_t TgaImage::ReadInt32(size_t offset) const
{
    const uint8_t* at = block_.get() + offset;
    return static_cast<int32_t>(static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8) |
                                (static_cast<uint32_t>(at[2]) << 16) | (static_cast<uint32_t>(at[3]) << 24));
}

bool TgaImage::HasColorTable() const
{
    return colorsUsed() != 0 || bitCount() <= 8;
}

std::unique_ptr<TgaImage> TgaImage::Allocate(int width, int height)
{
    if (width < 0 || height < 0) return nullptr;
    const size_t stride = StrideFor(width);
    if (height != 0 && stride > (kMaxBlock - kInfoHeaderSize) / static_cast<size_t>(height)) return nullptr;
    const size_t imageSize = stride * static_cast<size_t>(height);
    if (imageSize > std::numeric_limits<uint32_t>::max()) return nullptr;  // the bitmap header holds 32 bits
    auto* memory = static_cast<uint8_t*>(std::calloc(kInfoHeaderSize + imageSize, 1));
    if (memory == nullptr) return nullptr;

    std::unique_ptr<TgaImage> image(new TgaImage());
    image->block_.reset(memory);
    image->blockSize_ = kInfoHeaderSize + imageSize;
    image->pixels_ = memory + kInfoHeaderSize;
    image->stride_ = stride;
    Put32(memory + 0, kInfoHeaderSize);
    Put32(memory + 4, static_cast<uint32_t>(width));
    Put32(memory + 8, static_cast<uint32_t>(height));
    Put16(memory + 12, 1);
    Put16(memory + 14, 24);
    Put32(memory + 16, 0);
    Put32(memory + 20, static_cast<uint32_t>(imageSize));
    Put32(memory + 24, kPixelsPerMetre);
    Put32(memory + 28, kPixelsPerMetre);
    return image;
}

std::unique_ptr<TgaImage> TgaImage::FromPackedBitmap(const uint8_t* data, size_t size)
{
    if (data == nullptr || size < kInfoHeaderSize) return nullptr;
    auto* memory = static_cast<uint8_t*>(std::malloc(size));
    if (memory == nullptr) return nullptr;
    std::memcpy(memory, data, size);
    std::unique_ptr<TgaImage> image(new TgaImage());
    image->block_.reset(memory);
    image->blockSize_ = size;

    const uint32_t info = static_cast<uint32_t>(image->ReadInt32(0));
    const int32_t width = image->ReadInt32(4);
    const int32_t height = image->ReadInt32(8);
    const uint16_t bits = image->bitCount();
    if (info < kInfoHeaderSize || info > size || width < 0 || bits == 0 || bits > 32) return nullptr;
    size_t tableEntries = image->colorsUsed();
    if (tableEntries == 0 && bits <= 8) tableEntries = size_t(1) << bits;
    const size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
    const size_t rows = static_cast<size_t>(height < 0 ? -static_cast<int64_t>(height) : height);
    const size_t offset = info + 4 * tableEntries;
    if (offset > size || (rows != 0 && stride > (size - offset) / rows)) return nullptr;
    image->pixels_ = memory + offset;
    image->stride_ = stride;
    return image;
}

}  // namespace vistagon
