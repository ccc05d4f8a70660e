#include "import/gdal/GdalDatasets.h"

namespace vistagon::test {

Dataset OpenWithGdal(const std::string& path)
{
    GDALAllRegister();
    CPLPushErrorHandler(CPLQuietErrorHandler);
    Dataset dataset(GDALDataset::FromHandle(GDALOpen(path.c_str(), GA_ReadOnly)));
    CPLPopErrorHandler();
    return dataset;
}

std::array<double, 6> TransformOf(GDALDataset& dataset)
{
    std::array<double, 6> transform{};
    if (dataset.GetGeoTransform(transform.data()) != CE_None) transform.fill(0.0);
    return transform;
}

int HeightAt(GDALDataset& dataset, int column, int row)
{
    std::array<uint8_t, 3> rgb{};
    for (int band = 1; band <= 3; ++band) {
        if (dataset.GetRasterBand(band)->RasterIO(GF_Read, column, row, 1, 1, &rgb[band - 1], 1, 1, GDT_Byte, 0, 0,
                                                  nullptr) != CE_None)
            return INT32_MIN;
    }
    const int32_t raw = rgb[0] << 16 | rgb[1] << 8 | rgb[2];
    return raw >= 0x800000 ? raw - 0x1000000 : raw;
}

}  // namespace vistagon::test
