#pragma once

#include <gdal_priv.h>

#include <array>
#include <memory>
#include <string>

namespace vistagon::test {

struct DatasetCloser {
    void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};
using Dataset = std::unique_ptr<GDALDataset, DatasetCloser>;

// A raster as GDAL opens it (our TGA files with their auxiliary file); empty when it cannot.
Dataset OpenWithGdal(const std::string& path);

// The geotransform GDAL gives; all zero when it has none.
std::array<double, 6> TransformOf(GDALDataset& dataset);

// The signed 24-bit height GDAL reads at a pixel of one of our elevation files,
// counting rows as GDAL does (top row first).
int HeightAt(GDALDataset& dataset, int column, int row);

}  // namespace vistagon::test
