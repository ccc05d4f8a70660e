#pragma once

#include "image/CTGAFile.h"

namespace vistagon {

// An image document holding signed 24-bit heights, with world scales and a
// bilinear height lookup. Pixel column i lies at x = i * scaleX, row j (counted
// upward) at y = j * scaleY. With load pixels off every lookup reads the file.
class ElevationGrid : public CTGAFile {
public:
    ElevationGrid(AppContext& context, double scaleX, double scaleY, bool loadPixels);

    void SetZScale(double z) { zScale_ = z; }
    double GetZScale() const { return zScale_; }
    double GetGridWidth() const { return GetWidth() / scaleXReciprocal(); }
    double GetGridHeight() const { return GetHeight() / scaleYReciprocal(); }

    // The interpolated stored value at a world position, not multiplied by z;
    // 0.0 outside the grid (including its last column and top row).
    double HeightAt(double x, double y) const;
    template <class Point>
    double HeightAt(const Point& point) const
    {
        return HeightAt(point.x, point.y);
    }

    // The stored value of one node (file-backed when the pixels are not loaded).
    int32_t NodeValue(int x, int y) const;

private:
    void ReadNodePair(int x, int y, int32_t& left, int32_t& right) const;

    double zScale_ = 1.0;
};

}  // namespace vistagon
