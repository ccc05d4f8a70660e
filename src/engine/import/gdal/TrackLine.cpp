#include "import/gdal/TrackLine.h"

#include "import/gdal/GdalErrors.h"
#include "import/gdal/TrackMessages.h"
#include "platform/TextFormat.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <memory>

namespace vistagon {

namespace {

struct DatasetCloser {
    void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};

void AppendLine(const OGRLineString& line, std::vector<CurvePoint>& vertices)
{
    for (int i = 0; i < line.getNumPoints(); ++i) vertices.push_back(CurvePoint{line.getX(i), line.getY(i)});
}

// The vertices of a line or a multi-line; empty for any other geometry.
std::vector<CurvePoint> LineVertices(const OGRGeometry& geometry)
{
    std::vector<CurvePoint> vertices;
    const OGRwkbGeometryType type = wkbFlatten(geometry.getGeometryType());
    if (type == wkbLineString) AppendLine(*geometry.toLineString(), vertices);
    if (type == wkbMultiLineString)
        for (const OGRLineString* part : *geometry.toMultiLineString()) AppendLine(*part, vertices);
    return vertices;
}

std::optional<TrackLine> FirstLine(OGRLayer& layer)
{
    layer.ResetReading();
    for (auto& feature : layer) {
        const OGRGeometry* geometry = feature->GetGeometryRef();
        if (geometry == nullptr) continue;
        std::vector<CurvePoint> vertices = LineVertices(*geometry);
        if (vertices.size() < 2) continue;
        TrackLine line{std::move(vertices), {}, layer.GetName()};
        const OGRSpatialReference* system = geometry->getSpatialReference();
        if (system == nullptr) system = layer.GetSpatialRef();
        if (system != nullptr) {
            char* wkt = nullptr;
            system->exportToWkt(&wkt);
            line.systemWkt = wkt != nullptr ? wkt : "";
            CPLFree(wkt);
        }
        return line;
    }
    return std::nullopt;
}

}  // namespace

std::optional<TrackLine> ReadTrackLine(const std::string& path, const std::string& layer, std::string& error)
{
    RegisterGdalDrivers();
    const QuietErrors quiet;
    std::unique_ptr<GDALDataset, DatasetCloser> dataset(
        GDALDataset::FromHandle(GDALOpenEx(path.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY, nullptr, nullptr, nullptr)));
    if (!dataset) {
        error = FormatText(msg::kTrackCannotOpen.text, path.c_str(), QuietErrors::LastMessage().c_str());
        return std::nullopt;
    }
    if (!layer.empty()) {
        OGRLayer* named = dataset->GetLayerByName(layer.c_str());
        if (named == nullptr) {
            error = FormatText(msg::kTrackNoLayer.text, path.c_str(), layer.c_str());
            return std::nullopt;
        }
        if (auto line = FirstLine(*named)) return line;
        error = FormatText(msg::kTrackNoLine.text, path.c_str(), (" in layer '" + layer + "'").c_str());
        return std::nullopt;
    }
    for (OGRLayer* candidate : dataset->GetLayers())
        if (auto line = FirstLine(*candidate)) return line;
    error = FormatText(msg::kTrackNoLine.text, path.c_str(), "");
    return std::nullopt;
}

}  // namespace vistagon
