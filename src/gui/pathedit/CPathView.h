#pragma once

#include "PathEditorLauncher.h"
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

    PathEditorClient& client_;
    std::vector<PathPoint> points_;
    bool dragging_ = false;
    int dragged_ = -1;
    bool opened_ = false;
    bool applied_ = false;
};

}  // namespace vistagon::gui
