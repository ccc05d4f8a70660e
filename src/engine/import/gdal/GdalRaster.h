#pragma once

#include "image/Bgr.h"
#include "image/Georeference.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class GDALDataset;

namespace vistagon {

// A source rectangle in raster pixels; fractional where resampling cuts it.
struct SourceRect {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
};

enum class Resampling { Nearest, Bilinear, Average };

// A raster opened through GDAL, read only. Keeps GDAL's own messages quiet
// and hands the last one out instead.
class GdalRaster {
public:
    // None when GDAL cannot open it; error then holds GDAL's reason.
    static std::unique_ptr<GdalRaster> Open(const std::string& path, std::string& error);
    ~GdalRaster();
    GdalRaster(const GdalRaster&) = delete;
    GdalRaster& operator=(const GdalRaster&) = delete;

    int width() const;
    int height() const;
    int bandCount() const;

    // The affine transform from pixel to ground; none for a plain picture.
    std::optional<std::array<double, 6>> GeoTransform() const;
    // The transform with the coordinate system as WKT (GDAL's own, WKT1 where
    // it can be said so) and its axis mapping; none for a plain picture.
    std::optional<Georeference> Georeferencing() const;
    // The coordinate system's name, empty when there is none.
    std::string SystemName() const;
    bool IsGeographic() const;
    // Metres per ground unit of a projected system, and the unit's name.
    double LinearUnits(std::string& name) const;

    std::optional<double> NoData(int band) const;
    // The colour table of a palette band; empty for any other band.
    std::vector<Bgr> Palette(int band) const;

    // Reads rect of a band into width x rows samples (rows from the raster's
    // first row down). False with GDAL's reason in error when that fails.
    bool ReadDoubles(int band, const SourceRect& rect, int width, int rows, Resampling resampling,
                     double* samples, std::string& error) const;
    bool ReadBytes(int band, const SourceRect& rect, int width, int rows, Resampling resampling,
                   uint8_t* samples, std::string& error) const;

private:
    explicit GdalRaster(GDALDataset* dataset) : dataset_(dataset) {}

    bool Read(int band, const SourceRect& rect, int width, int rows, Resampling resampling, void* samples,
              int dataType, std::string& error) const;

    GDALDataset* dataset_;
};

}  // namespace vistagon
