#pragma once

#include <optional>
#include <string>

namespace vistagon {

// A part of a raster in its own pixels: columns from x, rows from y counted
// from the raster's first row as stored.
struct RasterWindow {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

// What "import gdal" is asked to do.
struct GdalImportOptions {
    std::string source;
    std::string target;
    int band = 1;             // the height band, or the gray band of a texture
    double zScale = 1.0;      // heights are sample x zScale
    int voidValue = 0;        // written where the raster has no data
    std::optional<PixelSize> size;        // resampled output size
    std::optional<RasterWindow> window;   // cut before resampling
    bool texture = false;     // a 24-bit picture instead of heights
};

}  // namespace vistagon
