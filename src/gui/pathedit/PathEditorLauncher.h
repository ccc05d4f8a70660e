#pragma once

#include "flight/PathCurve.h"
#include "scene/PathPoint.h"

#include <QString>
#include <vector>

namespace vistagon::gui {

class Shell;

// The scene form's side of its path editor.
class PathEditorClient {
public:
    virtual ~PathEditorClient() = default;
    // Apply: the edited points, in picture pixels (y down), border removed.
    virtual void ApplyPathPoints(const std::vector<PathPoint>& points) = 0;
    // The editor's window went, however it was closed.
    virtual void PathEditorClosed() = 0;
    // The curve's ends as the form has them, so that the editor draws what is flown.
    virtual CurveEnds PathEnds() const { return CurveEnds::Closed; }
    // Apply after a track was imported: the curve's ends the track asks for.
    virtual void ApplyPathEnds(CurveEnds) {}
};

// Opens the flight path editor on a picture with the form's points. False when
// the picture cannot be opened; the client is then not called.
bool OpenPathEditor(Shell& shell, const QString& picturePath, const std::vector<PathPoint>& points,
                    PathEditorClient& client);

}  // namespace vistagon::gui
