#pragma once

#include "PlanOutcome.h"

#include <QPointF>
#include <QWidget>

namespace vistagon::gui {

// The map of a plan: the path picture with the camera's ground track over it,
// a numbered mark every few frames, the path points of a curved flight and
// the current frame's camera with its view direction and field of view.
class FlightMapView : public QWidget {
    Q_OBJECT
public:
    explicit FlightMapView(QWidget* parent = nullptr);

    void SetPlan(PlanOutcomePtr outcome);
    void SetCurrentFrame(int frame);

    // Frames between two numbered marks: about a dozen marks along the track.
    static int MarkStep(int frames);
    // A world position in picture pixels (y down), as the curved flight reads its points.
    QPointF PictureOf(double x, double y) const;
    QSize sizeHint() const override { return QSize(420, 320); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSizeF SourceSize() const;
    void PaintTrack(QPainter& painter, const QTransform& toScreen) const;
    void PaintPathPoints(QPainter& painter, const QTransform& toScreen) const;
    void PaintCamera(QPainter& painter, const QTransform& toScreen) const;

    PlanOutcomePtr outcome_;
    int currentFrame_ = 0;
};

}  // namespace vistagon::gui
