#include "import/gdal/GdalTestRasters.h"

#include "image/CTGAFile.h"
#include "image/ElevationEncoding.h"
#include "support/ScriptedInteraction.h"

#include <gdal_priv.h>
#include <gdal_utils.h>
#include <ogr_spatialref.h>

#include <stdexcept>

namespace vistagon::test {

void WriteTestRaster(const std::string& path, const char* driverName, const TestRaster& raster)
{
    GDALAllRegister();
    const auto type = raster.dataType == 0 ? GDT_Int16 : static_cast<GDALDataType>(raster.dataType);
    GDALDriver* memory = GetGDALDriverManager()->GetDriverByName("MEM");
    GDALDataset* dataset = memory->Create("", raster.width, raster.height, static_cast<int>(raster.bands.size()), type, nullptr);
    for (size_t b = 0; b < raster.bands.size(); ++b) {
        GDALRasterBand* band = dataset->GetRasterBand(static_cast<int>(b) + 1);
        std::vector<double> samples = raster.bands[b];
        if (band->RasterIO(GF_Write, 0, 0, raster.width, raster.height, samples.data(), raster.width, raster.height,
                           GDT_Float64, 0, 0, nullptr) != CE_None)
            throw std::runtime_error("cannot fill the test raster");
        if (raster.noData) band->SetNoDataValue(*raster.noData);
    }
    if (!raster.palette.empty()) {
        GDALColorTable table;
        for (size_t i = 0; i < raster.palette.size(); ++i) {
            const GDALColorEntry entry{raster.palette[i].r, raster.palette[i].g, raster.palette[i].b, 255};
            table.SetColorEntry(static_cast<int>(i), &entry);
        }
        dataset->GetRasterBand(1)->SetColorTable(&table);
        dataset->GetRasterBand(1)->SetColorInterpretation(GCI_PaletteIndex);
    }
    if (raster.transform) {
        std::array<double, 6> transform = *raster.transform;
        dataset->SetGeoTransform(transform.data());
    }
    if (raster.epsg != 0) {
        OGRSpatialReference system;
        system.importFromEPSG(raster.epsg);
        dataset->SetSpatialRef(&system);
    }
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(driverName);
    GDALDataset* copy = driver->CreateCopy(path.c_str(), dataset, FALSE, nullptr, nullptr, nullptr);
    GDALClose(dataset);
    if (copy == nullptr) throw std::runtime_error("GDAL cannot write " + path + ": " + CPLGetLastErrorMsg());
    GDALClose(copy);
}

void WriteMosaic(const std::string& path, const std::vector<std::string>& sources)
{
    GDALAllRegister();
    std::vector<const char*> names;
    for (const std::string& source : sources) names.push_back(source.c_str());
    int usageError = 0;
    GDALDatasetH mosaic = GDALBuildVRT(path.c_str(), static_cast<int>(names.size()), nullptr, names.data(), nullptr, &usageError);
    if (mosaic == nullptr) throw std::runtime_error("GDAL cannot build " + path);
    GDALClose(mosaic);
}

std::vector<std::vector<Bgr>> ReadPixels(const std::string& path)
{
    TestContext t;
    CTGAFile image(t.context);
    if (!image.OnOpenDocument(path)) throw std::runtime_error("cannot read " + path);
    std::vector<std::vector<Bgr>> rows(static_cast<size_t>(image.header().height));
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(image.header().width); ++x) rows[static_cast<size_t>(y)].push_back(image.GetPixel(x, y));
    return rows;
}

std::vector<std::vector<int>> ReadHeights(const std::string& path)
{
    std::vector<std::vector<int>> heights;
    for (const auto& row : ReadPixels(path)) {
        heights.emplace_back();
        for (const Bgr& pixel : row) heights.back().push_back(DecodeElevation(pixel));
    }
    return heights;
}

}  // namespace vistagon::test
