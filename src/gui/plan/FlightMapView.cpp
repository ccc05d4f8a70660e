#include "FlightMapView.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace vistagon::gui {

namespace {

constexpr double kPi = 3.141592653589793;

}  // namespace

FlightMapView::FlightMapView(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(200, 150);
}

void FlightMapView::SetPlan(PlanOutcomePtr outcome)
{
    outcome_ = std::move(outcome);
    update();
}

void FlightMapView::SetCurrentFrame(int frame)
{
    currentFrame_ = frame;
    update();
}

int FlightMapView::MarkStep(int frames)
{
    for (int step : {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000, 2000, 5000})
        if (frames / step <= 12) return step;
    return 10000;
}

QPointF FlightMapView::PictureOf(double x, double y) const
{
    const double gridHeight = outcome_ ? outcome_->planned.report.gridHeight : 0.0;
    return QPointF(x, gridHeight - y);
}

// The picture's size in pixels, or the terrain's extent without one.
QSizeF FlightMapView::SourceSize() const
{
    if (!outcome_->picture.isNull()) return outcome_->picture.size();
    const FlightPlanReport& report = outcome_->planned.report;
    return QSizeF(std::max(1.0, report.gridWidth), std::max(1.0, report.gridHeight));
}

void FlightMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!outcome_ || !outcome_->usable()) return;
    const QSizeF source = SourceSize();
    const QSizeF fitted = source.scaled(QSizeF(width() - 8, height() - 8), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    if (!outcome_->picture.isNull()) painter.drawImage(target, outcome_->picture);
    else painter.fillRect(target, QColor(200, 200, 200));

    QTransform toScreen;
    toScreen.translate(target.left(), target.top());
    toScreen.scale(target.width() / source.width(), target.height() / source.height());
    painter.setRenderHint(QPainter::Antialiasing);
    PaintPathPoints(painter, toScreen);
    PaintTrack(painter, toScreen);
    PaintCamera(painter, toScreen);
}

void FlightMapView::PaintTrack(QPainter& painter, const QTransform& toScreen) const
{
    const FlightPlan& plan = outcome_->plan();
    QPolygonF track;
    for (const PlannedFrame& frame : plan) track << toScreen.map(PictureOf(frame.record.x, frame.record.y));
    painter.setPen(QPen(QColor(255, 255, 0), 2));
    painter.drawPolyline(track);

    const int step = MarkStep(static_cast<int>(plan.size()));
    painter.setFont(QFont(painter.font().family(), 8));
    for (size_t i = 0; i < plan.size(); ++i) {
        if (plan[i].index % step != 0) continue;
        const QPointF at = track[static_cast<int>(i)];
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(255, 255, 0));
        painter.drawEllipse(at, 3, 3);
        const QString number = QString::number(plan[i].index);
        painter.setPen(Qt::black);
        painter.drawText(at + QPointF(6, -4), number);
        painter.setPen(Qt::white);
        painter.drawText(at + QPointF(5, -5), number);
    }
}

void FlightMapView::PaintPathPoints(QPainter& painter, const QTransform& toScreen) const
{
    if (!outcome_->planned.report.script.curved()) return;
    painter.setPen(QPen(QColor(255, 60, 60), 2));
    painter.setBrush(Qt::NoBrush);
    // Stored as picture pixels, y counted down.
    for (const CurvePoint& p : outcome_->planned.report.script.pathPoints)
        painter.drawRect(QRectF(toScreen.map(QPointF(p.x, p.y)) - QPointF(4, 4), QSizeF(8, 8)));
}

void FlightMapView::PaintCamera(QPainter& painter, const QTransform& toScreen) const
{
    const PlannedFrame* frame = outcome_->Frame(currentFrame_);
    if (frame == nullptr) return;
    const FrameCamera& camera = frame->camera;
    const QPointF eye = toScreen.map(PictureOf(camera.position.x, camera.position.y));
    // Heading 0 looks along +y (up on the picture), 90 along +x.
    const double heading = camera.heading * kPi / 180.0;
    const double halfAngle = std::atan2(outcome_->values.SizeX / 2.0, std::max(camera.focalLength, 1e-6));
    const double reach = 0.25 * std::min(width(), height());
    const auto ray = [&](double angle) { return eye + QPointF(std::sin(angle), -std::cos(angle)) * reach; };

    QPainterPath wedge(eye);
    wedge.lineTo(ray(heading - halfAngle));
    wedge.lineTo(ray(heading + halfAngle));
    wedge.closeSubpath();
    painter.setPen(QPen(QColor(255, 255, 255, 220), 1));
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawPath(wedge);
    painter.setPen(QPen(QColor(255, 0, 0), 2));
    painter.drawLine(eye, ray(heading));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawEllipse(eye, 4, 4);
}

}  // namespace vistagon::gui
