#pragma once

#include "flight/PathCurve.h"
#include "scene/PathPoint.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace vistagon::gui {

// A track read for the path editor through the same engine reading and
// reduction as "scene path"; error set when it cannot be used.
struct EditorTrack {
    std::optional<QString> error;
    std::vector<CurvePoint> track;     // picture pixels, y down
    std::vector<PathPoint> points;     // picture pixels, y down
    CurveEnds ends = CurveEnds::Open;
    QString summary;
};

// False when the application was built without GDAL.
bool TrackImportBuiltIn();

EditorTrack ImportEditorTrack(const QString& picturePath, const QString& trackPath, int border);

// The map coordinates of a georeferenced picture's pixels, for the status bar.
class PictureMapText {
public:
    // None when the picture has no georeferencing (or GDAL is not built in).
    static std::unique_ptr<PictureMapText> Read(const QString& picturePath);
    virtual ~PictureMapText() = default;
    // The map position of picture pixel (x, y down from the top).
    virtual QString At(int x, int y) const = 0;
};

}  // namespace vistagon::gui
