#include "import/gdal/TrackTestFiles.h"

#include "image/CTGAFile.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <fstream>
#include <stdexcept>

namespace vistagon::test {

namespace {

OGRSpatialReference System(int epsg)
{
    OGRSpatialReference system;
    system.importFromEPSG(epsg);
    system.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return system;
}

}  // namespace

void WriteGeoreferencedPicture(AppContext& context, const std::string& path, int width, int height,
                               const std::array<double, 6>& transform, int epsg)
{
    CTGAFile picture(context);
    picture.CreateImage(width, height);
    picture.FillGray(128);
    if (!picture.OnSaveDocument(path)) throw std::runtime_error("cannot write " + path);
    char* wkt = nullptr;
    System(epsg).exportToWkt(&wkt);
    std::ofstream pam(path + ".aux.xml");
    pam << "<PAMDataset>\n  <SRS dataAxisToSRSAxisMapping=\"1,2\">" << wkt << "</SRS>\n  <GeoTransform>";
    pam.precision(17);
    for (size_t i = 0; i < transform.size(); ++i) pam << (i ? ", " : " ") << transform[i];
    pam << "</GeoTransform>\n</PAMDataset>\n";
    CPLFree(wkt);
}

void WriteTrackFile(const std::string& path, const char* driverName, const std::vector<CurvePoint>& vertices, int epsg)
{
    GDALAllRegister();
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(driverName);
    if (driver == nullptr) throw std::runtime_error(std::string("no OGR driver ") + driverName);
    GDALDataset* dataset = driver->Create(path.c_str(), 0, 0, 0, GDT_Unknown, nullptr);
    if (dataset == nullptr) throw std::runtime_error("OGR cannot make " + path);
    OGRSpatialReference system = epsg != 0 ? System(epsg) : OGRSpatialReference();
    const bool gpx = std::string(driverName) == "GPX";
    const OGRwkbGeometryType type = gpx ? wkbMultiLineString : wkbLineString;
    OGRLayer* layer = dataset->CreateLayer(gpx ? "tracks" : "track", epsg != 0 ? &system : nullptr, type, nullptr);
    if (layer == nullptr) throw std::runtime_error("OGR cannot make a layer in " + path);
    if (!vertices.empty()) {
        OGRLineString line;
        for (const CurvePoint& p : vertices) line.addPoint(p.x, p.y);
        OGRFeature feature(layer->GetLayerDefn());
        if (gpx) {
            OGRMultiLineString multi;
            multi.addGeometry(&line);
            feature.SetGeometry(&multi);
        } else {
            feature.SetGeometry(&line);
        }
        if (layer->CreateFeature(&feature) != OGRERR_NONE) throw std::runtime_error("OGR cannot write the line");
    }
    GDALClose(dataset);
}

std::vector<CurvePoint> Reproject(const std::vector<CurvePoint>& points, int fromEpsg, int toEpsg)
{
    OGRSpatialReference from = System(fromEpsg), to = System(toEpsg);
    std::unique_ptr<OGRCoordinateTransformation> transform(OGRCreateCoordinateTransformation(&from, &to));
    std::vector<CurvePoint> result = points;
    for (CurvePoint& p : result) transform->Transform(1, &p.x, &p.y);
    return result;
}

}  // namespace vistagon::test
