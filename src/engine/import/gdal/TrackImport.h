#pragma once

#include "flight/TrackReduction.h"
#include "image/Georeference.h"

#include <optional>
#include <string>
#include <vector>

namespace vistagon {

struct TrackImportRequest {
    std::string trackPath;
    std::string layer;          // empty: the first layer that holds a line
    std::string picturePath;    // the scene's path picture, georeferenced through GDAL
    int border = 0;             // the path editor's border around the picture, pixels
    int maxPoints = 100;
    std::optional<CurveEnds> ends;  // none: open when the track does not return to its start
};

// A track placed on the path picture and reduced to path points.
struct TrackImport {
    std::optional<std::string> error;   // why the track cannot be used; nothing else is set then
    std::vector<CurvePoint> trackPixels;  // every vertex in picture pixels (x right, y down, centres whole)
    ReducedTrack path;
    CurveEnds ends = CurveEnds::Open;
    std::string layerName;
    double lengthMetres = 0.0;
    double metresPerPixel = 0.0;
};

// Reads the track's line, transforms it from its own system into the picture's
// (traditional GIS order on both sides) and into the picture's pixels, refuses
// it when it leaves the picture and its border, and reduces it.
TrackImport ImportTrack(const TrackImportRequest& request);

// The summary of an import: the track, the points kept, how far the curve
// strays from the track.
std::string TrackSummaryText(const TrackImport& track);

// The map coordinates of a picture's pixels, for showing under the mouse.
class PictureGeoreference {
public:
    // None when the picture has no transform or no coordinate system.
    static std::optional<PictureGeoreference> Read(const std::string& picturePath);

    // The map position of continuous picture pixel (x right, y down, centres whole).
    CurvePoint MapAt(double x, double y) const;
    const std::string& systemName() const { return systemName_; }
    bool geographic() const { return geographic_; }

private:
    Georeference georeference_;
    std::string systemName_;
    bool geographic_ = false;
};

}  // namespace vistagon
