#pragma once

#include <array>
#include <string>

namespace vistagon {

// Where a raster lies on the ground, as GDAL describes it: the affine transform
// from pixel to map coordinates (origin x, pixel width, row rotation, origin y,
// column rotation, pixel height) and the coordinate system as WKT. Pixels count
// as GDAL reads our TGA files: row 0 is the top of the picture, the last row stored.
struct Georeference {
    std::array<double, 6> transform{0.0, 1.0, 0.0, 0.0, 0.0, 1.0};
    std::string wkt;
    // Which axis of the system each data axis is ("1,2", or "2,1" for latitude
    // first systems that hold longitude as x); empty when unknown.
    std::string axisMapping;

    // The georeference of a raster whose pixel corner (P, L) lies at
    // (column + P * stepX, row + L * stepY) of this one's pixels. A negative
    // step turns that axis round.
    Georeference ForPixels(double column, double row, double stepX, double stepY) const;

    // Map coordinates of a pixel corner.
    double MapX(double column, double row) const { return transform[0] + transform[1] * column + transform[2] * row; }
    double MapY(double column, double row) const { return transform[3] + transform[4] * column + transform[5] * row; }

    bool operator==(const Georeference&) const = default;
};

}  // namespace vistagon
