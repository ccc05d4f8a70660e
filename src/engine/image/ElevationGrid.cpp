#include "image/ElevationGrid.h"

#include "image/ElevationEncoding.h"
#include "platform/FileError.h"

namespace vistagon {

ElevationGrid::ElevationGrid(AppContext& context, double scaleX, double scaleY, bool loadPixels)
    : CTGAFile(context, loadPixels, scaleX, scaleY, nullptr)
{
}

void ElevationGrid::ReadNodePair(int x, int y, int32_t& left, int32_t& right) const
{
    if (PixelBase() != nullptr) {
        const uint8_t* p = PixelBase() + static_cast<size_t>(y) * Stride() + 3 * static_cast<size_t>(x);
        left = DecodeElevation(p);
        right = DecodeElevation(p + 3);
        return;
    }
    // File-backed: one seek per row, two neighbouring nodes per read.
    uint8_t bytes[6] = {};
    auto& file = const_cast<BinaryFile&>(inputFile());
    try {
        file.Seek(header().PixelOffset() + 3 * (static_cast<uint64_t>(x) + static_cast<uint64_t>(y) * header().width));
        file.Read(bytes, sizeof bytes);
    } catch (const FileError&) {
        // Lookups never fail; an unreadable node reads as zero.
    }
    left = DecodeElevation(bytes);
    right = DecodeElevation(bytes + 3);
}

int32_t ElevationGrid::NodeValue(int x, int y) const
{
    if (x < 0 || y < 0 || x >= GetWidth() || y >= GetHeight()) return 0;
    if (PixelBase() != nullptr) return DecodeElevation(PixelBase() + static_cast<size_t>(y) * Stride() + 3 * static_cast<size_t>(x));
    int32_t left = 0, right = 0;
    ReadNodePair(x, y, left, right);
    return left;
}

double ElevationGrid::HeightAt(double x, double y) const
{
    const double px = x * scaleXReciprocal();
    const double py = y * scaleYReciprocal();
    if (!(px >= 0.0 && px < GetWidth() - 1.0) || !(py >= 0.0 && py < GetHeight() - 1.0)) return 0.0;
    // Both are at least 0 here, where truncation is the floor.
    const int ix = static_cast<int>(px);
    const int iy = static_cast<int>(py);
    const double fx = px - ix;
    const double fy = py - iy;
    int32_t p1 = 0, p2 = 0, p3 = 0, p4 = 0;
    if (const uint8_t* base = PixelBase()) {
        // The renderer's hot path: the four nodes straight from the loaded raster.
        const uint8_t* lower = base + static_cast<size_t>(iy) * Stride() + 3 * static_cast<size_t>(ix);
        const uint8_t* upper = lower + Stride();
        p1 = DecodeElevation(lower);
        p2 = DecodeElevation(lower + 3);
        p3 = DecodeElevation(upper);
        p4 = DecodeElevation(upper + 3);
    } else {
        ReadNodePair(ix, iy, p1, p2);
        ReadNodePair(ix, iy + 1, p3, p4);
    }
    return (1.0 - fy) * ((1.0 - fx) * p1 + fx * p2) + fy * ((1.0 - fx) * p3 + fx * p4);
}

}  // namespace vistagon
