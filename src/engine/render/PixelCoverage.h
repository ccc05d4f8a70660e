#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vistagon {

// Which pixels of a picture a triangle has reached, by image row and column,
// and for tiles of kTileRows x kTileColumns pixels how many, so that a large
// region is known taken from its tiles' counts. A thread drawing a strip of a
// picture keeps one of its own for the strip's columns.
class PixelCoverage {
public:
    static constexpr int kTileRows = 4;
    static constexpr int kTileColumns = 16;
    static constexpr uint8_t kTilePixels = kTileRows * kTileColumns;

    void Reset(int width, int height)
    {
        width_ = std::max(width, 0);
        height_ = std::max(height, 0);
        bytes_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0);
        tilesAcross_ = (width_ + kTileColumns - 1) / kTileColumns;
        const int tilesDown = (height_ + kTileRows - 1) / kTileRows;
        tiles_.assign(static_cast<size_t>(tilesAcross_) * static_cast<size_t>(tilesDown), 0);
        // Tiles reaching past the picture count their missing pixels as taken.
        for (int row = 0; row < tilesDown * kTileRows; ++row)
            for (int column = row < height_ ? width_ : 0; column < tilesAcross_ * kTileColumns; ++column)
                ++tiles_[Tile(column, row)];
    }
    size_t Index(int column, int imageRow) const
    {
        return static_cast<size_t>(imageRow) * static_cast<size_t>(width_) + static_cast<size_t>(column);
    }
    size_t Tile(int column, int imageRow) const
    {
        return static_cast<size_t>(imageRow / kTileRows) * static_cast<size_t>(tilesAcross_) +
               static_cast<size_t>(column / kTileColumns);
    }
    bool Taken(size_t index) const { return bytes_[index] != 0; }
    void Take(size_t index, size_t tile)
    {
        bytes_[index] = 1;
        ++tiles_[tile];
    }
    // Whether every pixel of columns left..right and image rows low..high
    // (inclusive, within the picture) is taken.
    bool RegionTaken(int left, int right, int low, int high) const;

private:
    bool PixelsTaken(int left, int right, int low, int high) const;

    int width_ = 0;
    int height_ = 0;
    int tilesAcross_ = 0;
    std::vector<uint8_t> bytes_;
    std::vector<uint8_t> tiles_;
};

inline bool PixelCoverage::PixelsTaken(int left, int right, int low, int high) const
{
    for (int row = low; row <= high; ++row)
        for (size_t i = Index(left, row), end = Index(right, row); i <= end; ++i)
            if (!Taken(i)) return false;
    return true;
}

// Tiles wholly inside answer from their counts; only a full count settles one
// that the region cuts, the rest is looked at pixel by pixel.
inline bool PixelCoverage::RegionTaken(int left, int right, int low, int high) const
{
    for (int tileRow = low / kTileRows; tileRow <= high / kTileRows; ++tileRow) {
        const int rowLow = std::max(low, tileRow * kTileRows);
        const int rowHigh = std::min(high, tileRow * kTileRows + kTileRows - 1);
        const bool wholeRows = rowHigh - rowLow == kTileRows - 1;
        for (int tileColumn = left / kTileColumns; tileColumn <= right / kTileColumns; ++tileColumn) {
            const int columnLow = std::max(left, tileColumn * kTileColumns);
            if (tiles_[Tile(columnLow, rowLow)] == kTilePixels) continue;
            const int columnHigh = std::min(right, tileColumn * kTileColumns + kTileColumns - 1);
            if (wholeRows && columnHigh - columnLow == kTileColumns - 1) return false;
            if (!PixelsTaken(columnLow, columnHigh, rowLow, rowHigh)) return false;
        }
    }
    return true;
}

}  // namespace vistagon
