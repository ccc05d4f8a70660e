#pragma once

#include "PlanOutcome.h"
#include "flight/FlightClearance.h"

#include <QWidget>
#include <optional>

namespace vistagon::gui {

// The height profile of a plan: per frame the camera's height, the ground
// below it and the height above ground, with the lowest clearance marked and
// named. A click picks the frame under the mouse.
class FlightProfileChart : public QWidget {
    Q_OBJECT
public:
    explicit FlightProfileChart(QWidget* parent = nullptr);

    void SetPlan(PlanOutcomePtr outcome);
    void SetCurrentFrame(int frame);

    const std::optional<LowestClearance>& lowestClearance() const { return lowest_; }
    // The frame drawn at a widget x; none without a plan.
    std::optional<int> FrameAt(int x) const;
    // The widget x of a frame.
    double XOf(int frame) const;
    QSize sizeHint() const override { return QSize(420, 160); }

signals:
    void FramePicked(int frame);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QRectF PlotRect() const;
    double YOf(double height) const;
    void PaintSeries(QPainter& painter, const QColor& colour, double (*value)(const RecorderRow&)) const;
    void PaintLowest(QPainter& painter) const;
    void PaintLegend(QPainter& painter) const;
    void Pick(int x);

    PlanOutcomePtr outcome_;
    std::optional<LowestClearance> lowest_;
    double minHeight_ = 0.0;
    double maxHeight_ = 1.0;
    int currentFrame_ = 0;
};

}  // namespace vistagon::gui
