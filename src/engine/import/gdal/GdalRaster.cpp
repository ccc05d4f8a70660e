#include "import/gdal/GdalRaster.h"

#include "import/gdal/GdalErrors.h"

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <cmath>

namespace vistagon {

namespace {

GDALRIOResampleAlg AlgorithmOf(Resampling resampling)
{
    switch (resampling) {
    case Resampling::Bilinear: return GRIORA_Bilinear;
    case Resampling::Average: return GRIORA_Average;
    case Resampling::Nearest: break;
    }
    return GRIORA_NearestNeighbour;
}

}  // namespace

std::unique_ptr<GdalRaster> GdalRaster::Open(const std::string& path, std::string& error)
{
    RegisterGdalDrivers();
    const QuietErrors quiet;
    auto* dataset = GDALDataset::FromHandle(GDALOpenEx(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr, nullptr, nullptr));
    if (dataset == nullptr) {
        error = QuietErrors::LastMessage();
        return nullptr;
    }
    if (dataset->GetRasterCount() < 1) {
        GDALClose(dataset);
        error = "It holds no raster band.";
        return nullptr;
    }
    return std::unique_ptr<GdalRaster>(new GdalRaster(dataset));
}

GdalRaster::~GdalRaster()
{
    GDALClose(dataset_);
}

int GdalRaster::width() const
{
    return dataset_->GetRasterXSize();
}

int GdalRaster::height() const
{
    return dataset_->GetRasterYSize();
}

int GdalRaster::bandCount() const
{
    return dataset_->GetRasterCount();
}

std::optional<std::array<double, 6>> GdalRaster::GeoTransform() const
{
    const QuietErrors quiet;
    std::array<double, 6> transform{};
    if (dataset_->GetGeoTransform(transform.data()) != CE_None) return std::nullopt;
    return transform;
}

std::optional<Georeference> GdalRaster::Georeferencing() const
{
    const auto transform = GeoTransform();
    if (!transform) return std::nullopt;
    Georeference georeference;
    georeference.transform = *transform;
    const OGRSpatialReference* system = dataset_->GetSpatialRef();
    if (system == nullptr) return georeference;
    const QuietErrors quiet;
    char* wkt = nullptr;
    if (system->exportToWkt(&wkt) != OGRERR_NONE) {
        CPLFree(wkt);
        wkt = nullptr;
        const char* const wkt2[] = {"FORMAT=WKT2_2018", nullptr};
        if (system->exportToWkt(&wkt, wkt2) != OGRERR_NONE) wkt = nullptr;
    }
    if (wkt != nullptr) georeference.wkt = wkt;
    CPLFree(wkt);
    for (const int axis : system->GetDataAxisToSRSAxisMapping()) {
        if (!georeference.axisMapping.empty()) georeference.axisMapping += ',';
        georeference.axisMapping += std::to_string(axis);
    }
    return georeference;
}

std::string GdalRaster::SystemName() const
{
    const OGRSpatialReference* system = dataset_->GetSpatialRef();
    if (system == nullptr) return {};
    const char* name = system->GetName();
    return name != nullptr ? name : "unnamed";
}

bool GdalRaster::IsGeographic() const
{
    const OGRSpatialReference* system = dataset_->GetSpatialRef();
    return system != nullptr && system->IsGeographic();
}

double GdalRaster::LinearUnits(std::string& name) const
{
    const OGRSpatialReference* system = dataset_->GetSpatialRef();
    if (system == nullptr) {
        name.clear();
        return 1.0;
    }
    const char* unit = nullptr;
    const double metres = system->GetLinearUnits(&unit);
    name = unit != nullptr ? unit : "";
    return metres;
}

std::optional<double> GdalRaster::NoData(int band) const
{
    int has = 0;
    const double value = dataset_->GetRasterBand(band)->GetNoDataValue(&has);
    if (!has) return std::nullopt;
    return value;
}

std::vector<Bgr> GdalRaster::Palette(int band) const
{
    GDALRasterBand* raster = dataset_->GetRasterBand(band);
    const GDALColorTable* table = raster->GetColorTable();
    std::vector<Bgr> colours;
    if (table == nullptr || raster->GetColorInterpretation() != GCI_PaletteIndex) return colours;
    for (int i = 0; i < table->GetColorEntryCount(); ++i) {
        GDALColorEntry entry{};
        table->GetColorEntryAsRGB(i, &entry);
        colours.push_back(Bgr{static_cast<uint8_t>(entry.c3), static_cast<uint8_t>(entry.c2), static_cast<uint8_t>(entry.c1)});
    }
    return colours;
}

bool GdalRaster::ReadDoubles(int band, const SourceRect& rect, int width, int rows, Resampling resampling,
                             double* samples, std::string& error) const
{
    return Read(band, rect, width, rows, resampling, samples, GDT_Float64, error);
}

bool GdalRaster::ReadBytes(int band, const SourceRect& rect, int width, int rows, Resampling resampling,
                           uint8_t* samples, std::string& error) const
{
    return Read(band, rect, width, rows, resampling, samples, GDT_Byte, error);
}

bool GdalRaster::Read(int band, const SourceRect& rect, int width, int rows, Resampling resampling, void* samples,
                      int dataType, std::string& error) const
{
    const QuietErrors quiet;
    GDALRasterIOExtraArg extra;
    INIT_RASTERIO_EXTRA_ARG(extra);
    extra.eResampleAlg = AlgorithmOf(resampling);
    extra.bFloatingPointWindowValidity = TRUE;
    extra.dfXOff = rect.x;
    extra.dfYOff = rect.y;
    extra.dfXSize = rect.width;
    extra.dfYSize = rect.height;
    // The whole pixels that hold the fractional rectangle.
    const int x0 = static_cast<int>(std::floor(rect.x));
    const int y0 = static_cast<int>(std::floor(rect.y));
    const int x1 = std::min(static_cast<int>(std::ceil(rect.x + rect.width)), this->width());
    const int y1 = std::min(static_cast<int>(std::ceil(rect.y + rect.height)), height());
    const CPLErr result = dataset_->GetRasterBand(band)->RasterIO(
        GF_Read, x0, y0, std::max(x1 - x0, 1), std::max(y1 - y0, 1), samples, width, rows,
        static_cast<GDALDataType>(dataType), 0, 0, &extra);
    if (result == CE_None) return true;
    error = QuietErrors::LastMessage();
    return false;
}

}  // namespace vistagon
