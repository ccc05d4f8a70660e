#pragma once

#include "PathEditorLauncher.h"
#include "PathTrackImport.h"
#include "image/CTGAView.h"
#include "scene/PathPoint.h"

#include <QPoint>
#include <vector>

namespace vistagon::gui {

class CPathDoc;

// The flight path editor: points on a picture with a border around it, added,
// dragged and deleted with the left button, the closed curve through them
// drawn over the picture, handed back to the scene form by Apply.
class CPathView : public CTGAView {
    Q_OBJECT
public:
    static constexpr int kMaxPoints = 100;
    static constexpr int kTotal = 128;  // curve positions, as a flight of that many frames
    static constexpr int kHitRadius = 4;
    static constexpr int kMarkerRadius = 10;

    CPathView(Shell& shell, PathEditorClient& client);
    ~CPathView() override;

    // Loads the picture and the form's points (picture pixels, y down); false
    // when the picture cannot be opened (the client is then never called).
    bool Open(const QString& picturePath, const std::vector<PathPoint>& picturePoints);

    WindowKind Kind() const override { return WindowKind::PathEditor; }
    bool IsEnabled(Command command) const override;
    void Execute(Command command) override;
    bool MayClose() override;

    // Canvas coordinates: the picture's top-left pixel is (border, border).
    const std::vector<PathPoint>& points() const { return points_; }
    // The curve as drawn, in window pixels; empty below three points.
    std::vector<QPoint> CurveScreenPoints() const;
    // The first point whose marker covers the window position, or -1.
    int HitTest(const QPoint& windowPosition) const;

    void CopyPoints();
    void PastePoints();
    void Apply();
    // File > Import Track...: asks for a file, then ImportTrackFile.
    void ChooseTrack();
    // Replaces the points by the track's, draws the track under them and shows
    // the summary (or the reason it cannot be used) in a box. False on refusal.
    bool ImportTrackFile(const QString& trackPath);
    // The imported track as drawn, in window pixels; empty before an import.
    std::vector<QPoint> TrackScreenPoints() const;
    CurveEnds ends() const { return ends_; }

protected:
    void PaintOverlay(QPainter& painter, const QRect& exposed) override;
    QString HelpTopic() const override { return QStringLiteral("path-editor"); }
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CPathDoc& pathDocument();
    QPoint ScreenOf(const PathPoint& point) const;
    bool Inside(const QPoint& windowPosition) const;
    PathPoint CanvasPointAt(const QPoint& windowPosition) const;
    void Changed();
    void HandOver();
    void RefuseMorePoints();
    void ShowMapPosition(const QPoint& windowPosition);

    PathEditorClient& client_;
    std::vector<PathPoint> points_;
    bool dragging_ = false;
    int dragged_ = -1;
    bool opened_ = false;
    bool applied_ = false;
    CurveEnds ends_ = CurveEnds::Closed;
    bool endsImported_ = false;
    std::vector<CurvePoint> track_;  // picture pixels, y down
    std::unique_ptr<PictureMapText> map_;
};

}  // namespace vistagon::gui
