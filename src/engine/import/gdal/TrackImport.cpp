#include "import/gdal/TrackImport.h"

#include "flight/PolylineDistance.h"
#include "import/gdal/GdalErrors.h"
#include "import/gdal/GdalRaster.h"
#include "import/gdal/TrackLine.h"
#include "import/gdal/TrackMessages.h"
#include "platform/TextFormat.h"

#include <ogr_spatialref.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace vistagon {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kEarthRadius = 6371008.8;  // mean radius, metres

// The picture's size, transform and system, read through GDAL (a TGA gets them from its .aux.xml).
struct Picture {
    int width = 0, height = 0;
    std::array<double, 6> transform{};
    OGRSpatialReference system;
};

std::optional<Picture> ReadPicture(const std::string& path, std::string& error)
{
    std::unique_ptr<GdalRaster> raster = GdalRaster::Open(path, error);
    if (!raster) {
        error = FormatText(msg::kTrackCannotOpen.text, path.c_str(), error.c_str());
        return std::nullopt;
    }
    const std::optional<Georeference> georeference = raster->Georeferencing();
    Picture picture;
    if (!georeference || georeference->wkt.empty() || picture.system.importFromWkt(georeference->wkt.c_str()) != OGRERR_NONE) {
        error = FormatText(msg::kPictureNotGeoreferenced.text, path.c_str(), path.c_str());
        return std::nullopt;
    }
    picture.system.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    picture.width = raster->width();
    picture.height = raster->height();
    picture.transform = georeference->transform;
    return picture;
}

// Into the picture's system; false with the reason in error.
bool ToPictureSystem(const TrackLine& line, const Picture& picture, std::vector<CurvePoint>& map, std::string& error)
{
    const QuietErrors quiet;
    OGRSpatialReference trackSystem;
    if (trackSystem.importFromWkt(line.systemWkt.c_str()) != OGRERR_NONE) {
        error = FormatText(msg::kTrackNoTransform.text, QuietErrors::LastMessage().c_str());
        return false;
    }
    trackSystem.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    std::unique_ptr<OGRCoordinateTransformation> transform(OGRCreateCoordinateTransformation(&trackSystem, &picture.system));
    if (!transform) {
        error = FormatText(msg::kTrackNoTransform.text, QuietErrors::LastMessage().c_str());
        return false;
    }
    std::vector<double> x, y;
    for (const CurvePoint& p : line.vertices) {
        x.push_back(p.x);
        y.push_back(p.y);
    }
    if (!transform->Transform(x.size(), x.data(), y.data())) {
        error = FormatText(msg::kTrackNoTransform.text, QuietErrors::LastMessage().c_str());
        return false;
    }
    for (size_t i = 0; i < x.size(); ++i) map.push_back(CurvePoint{x[i], y[i]});
    return true;
}

// Continuous picture pixels with pixel centres on whole numbers, as the path editor counts them.
std::vector<CurvePoint> ToPixels(const std::vector<CurvePoint>& map, const std::array<double, 6>& t)
{
    const double det = t[1] * t[5] - t[2] * t[4];
    std::vector<CurvePoint> pixels;
    for (const CurvePoint& p : map) {
        const double dx = p.x - t[0], dy = p.y - t[3];
        const double column = (t[5] * dx - t[2] * dy) / det;
        const double row = (t[1] * dy - t[4] * dx) / det;
        pixels.push_back(CurvePoint{column - 0.5, row - 0.5});
    }
    return pixels;
}

double GreatCircle(const CurvePoint& a, const CurvePoint& b)
{
    const double rad = kPi / 180.0;
    const double s1 = std::sin((b.y - a.y) * rad / 2.0), s2 = std::sin((b.x - a.x) * rad / 2.0);
    const double h = s1 * s1 + std::cos(a.y * rad) * std::cos(b.y * rad) * s2 * s2;
    return 2.0 * kEarthRadius * std::asin(std::min(1.0, std::sqrt(h)));
}

double LengthInMetres(const std::vector<CurvePoint>& map, const OGRSpatialReference& system)
{
    if (!system.IsGeographic()) return PolylineLength(map) * system.GetLinearUnits();
    double length = 0.0;
    for (size_t i = 1; i < map.size(); ++i) length += GreatCircle(map[i - 1], map[i]);
    return length;
}

// The ground size of a pixel (the root of its area); geographic at the picture's centre.
double MetresPerPixel(const Picture& p)
{
    const std::array<double, 6>& t = p.transform;
    const double side = std::sqrt(std::fabs(t[1] * t[5] - t[2] * t[4]));
    if (!p.system.IsGeographic()) return side * p.system.GetLinearUnits();
    const double latitude = t[3] + t[4] * p.width / 2.0 + t[5] * p.height / 2.0;
    return side * kEarthRadius * kPi / 180.0 * std::sqrt(std::cos(latitude * kPi / 180.0));
}

// How far the farthest vertex lies outside the picture and its border.
double DistanceOutside(const std::vector<CurvePoint>& pixels, int width, int height, int border)
{
    const double low = -border - 0.5, highX = width + border - 0.5, highY = height + border - 0.5;
    double outside = 0.0;
    for (const CurvePoint& p : pixels) {
        const double dx = std::max({low - p.x, 0.0, p.x - highX});
        const double dy = std::max({low - p.y, 0.0, p.y - highY});
        outside = std::max(outside, std::hypot(dx, dy));
    }
    return outside;
}

}  // namespace

TrackImport ImportTrack(const TrackImportRequest& request)
{
    TrackImport result;
    std::string error;
    const std::optional<TrackLine> line = ReadTrackLine(request.trackPath, request.layer, error);
    if (!line) {
        result.error = error;
        return result;
    }
    if (line->systemWkt.empty()) {
        result.error = FormatText(msg::kTrackNoSystem.text, request.trackPath.c_str());
        return result;
    }
    const std::optional<Picture> picture = ReadPicture(request.picturePath, error);
    if (!picture) {
        result.error = error;
        return result;
    }
    std::vector<CurvePoint> map;
    if (!ToPictureSystem(*line, *picture, map, error)) {
        result.error = error;
        return result;
    }
    result.metresPerPixel = MetresPerPixel(*picture);
    result.trackPixels = ToPixels(map, picture->transform);
    const double outside = DistanceOutside(result.trackPixels, picture->width, picture->height, request.border);
    if (outside > 0.0) {
        result.error = FormatText(msg::kTrackOutside.text, picture->width, picture->height, request.border, outside,
                                  outside * result.metresPerPixel);
        return result;
    }
    result.layerName = line->layerName;
    result.lengthMetres = LengthInMetres(map, picture->system);
    result.ends = request.ends.value_or(EndsOfTrack(result.trackPixels));
    result.path = ReduceTrack(result.trackPixels, request.maxPoints, result.ends);
    return result;
}

std::string TrackSummaryText(const TrackImport& track)
{
    std::string text = FormatText("track: %zu vertices of layer '%s', %.0f m long (%.1f pixels)\n", track.trackPixels.size(),
                                  track.layerName.c_str(), track.lengthMetres, PolylineLength(track.trackPixels));
    text += FormatText("path: %zu points, %s; the curve keeps within %.2f pixels (%.1f m) of the track\n",
                       track.path.points.size(), track.ends == CurveEnds::Open ? "open" : "closed",
                       track.path.largestDistance, track.path.largestDistance * track.metresPerPixel);
    for (size_t i = 0; i < track.path.points.size(); ++i)
        text += FormatText("  Punkt%02zu %d,%d\n", i, track.path.points[i].x, track.path.points[i].y);
    return text;
}

std::optional<PictureGeoreference> PictureGeoreference::Read(const std::string& picturePath)
{
    std::string error;
    const std::optional<Picture> picture = ReadPicture(picturePath, error);
    if (!picture) return std::nullopt;
    PictureGeoreference georeference;
    georeference.georeference_.transform = picture->transform;
    const char* name = picture->system.GetName();
    georeference.systemName_ = name != nullptr ? name : "";
    georeference.geographic_ = picture->system.IsGeographic();
    return georeference;
}

CurvePoint PictureGeoreference::MapAt(double x, double y) const
{
    // Pixel centres lie half a pixel into the transform's corners.
    return CurvePoint{georeference_.MapX(x + 0.5, y + 0.5), georeference_.MapY(x + 0.5, y + 0.5)};
}

}  // namespace vistagon
