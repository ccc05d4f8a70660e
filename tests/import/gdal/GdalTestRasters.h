#pragma once

#include "image/Bgr.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vistagon::test {

// A raster for GDAL to write: bands of samples in stored order (first row first).
struct TestRaster {
    int width = 0;
    int height = 0;
    int dataType = 0;  // a GDALDataType; Int16 when 0
    std::vector<std::vector<double>> bands;
    std::optional<double> noData;
    std::optional<std::array<double, 6>> transform;
    int epsg = 0;  // 0 for no coordinate system
    std::vector<Bgr> palette;  // makes band 1 a palette band
};

// Writes the raster with a GDAL driver ("GTiff", "SRTMHGT", ...).
void WriteTestRaster(const std::string& path, const char* driver, const TestRaster& raster);
// A virtual mosaic of the given files.
void WriteMosaic(const std::string& path, const std::vector<std::string>& sources);

// The heights of an elevation file, rows from row 0 (the bottom row) up.
std::vector<std::vector<int>> ReadHeights(const std::string& path);
// The pixels of a TGA, rows from row 0 up.
std::vector<std::vector<Bgr>> ReadPixels(const std::string& path);

}  // namespace vistagon::test
