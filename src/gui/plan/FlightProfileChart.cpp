#include "FlightProfileChart.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vistagon::gui {

namespace {

constexpr int kMarginLeft = 44;
constexpr int kMargin = 8;
const QColor kCameraColour(30, 90, 220);
const QColor kGroundColour(140, 90, 40);
const QColor kClearanceColour(20, 150, 60);

double CameraHeight(const RecorderRow& row)
{
    return row.altitude;
}

double GroundHeight(const RecorderRow& row)
{
    return row.altitude - row.relativeAltitude;
}

double Clearance(const RecorderRow& row)
{
    return row.relativeAltitude;
}

}  // namespace

FlightProfileChart::FlightProfileChart(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(200, 100);
}

void FlightProfileChart::SetPlan(PlanOutcomePtr outcome)
{
    outcome_ = std::move(outcome);
    lowest_.reset();
    if (outcome_ && outcome_->usable() && !outcome_->plan().empty()) {
        lowest_ = FindLowestClearance(outcome_->plan());
        minHeight_ = 0.0;
        maxHeight_ = 1.0;
        for (const PlannedFrame& frame : outcome_->plan()) {
            for (double h : {CameraHeight(frame.record), GroundHeight(frame.record), Clearance(frame.record)}) {
                minHeight_ = std::min(minHeight_, h);
                maxHeight_ = std::max(maxHeight_, h);
            }
        }
    }
    update();
}

void FlightProfileChart::SetCurrentFrame(int frame)
{
    currentFrame_ = frame;
    update();
}

QRectF FlightProfileChart::PlotRect() const
{
    return QRectF(kMarginLeft, kMargin, std::max(1, width() - kMarginLeft - kMargin), std::max(1, height() - 3 * kMargin));
}

double FlightProfileChart::XOf(int frame) const
{
    const QRectF plot = PlotRect();
    if (!lowest_) return plot.left();
    const int first = outcome_->plan().front().index;
    const int last = outcome_->plan().back().index;
    if (last == first) return plot.center().x();
    return plot.left() + plot.width() * (frame - first) / (last - first);
}

double FlightProfileChart::YOf(double height) const
{
    const QRectF plot = PlotRect();
    return plot.bottom() - plot.height() * (height - minHeight_) / (maxHeight_ - minHeight_);
}

std::optional<int> FlightProfileChart::FrameAt(int x) const
{
    if (!lowest_) return std::nullopt;
    const QRectF plot = PlotRect();
    const int first = outcome_->plan().front().index;
    const int last = outcome_->plan().back().index;
    const double share = std::clamp((x - plot.left()) / plot.width(), 0.0, 1.0);
    return first + static_cast<int>(std::lround(share * (last - first)));
}

void FlightProfileChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!lowest_) return;
    const QRectF plot = PlotRect();
    painter.setPen(QColor(180, 180, 180));
    painter.drawRect(plot);
    painter.setPen(Qt::black);
    painter.setFont(QFont(painter.font().family(), 8));
    painter.drawText(QRectF(0, plot.top() - 4, kMarginLeft - 4, 14), Qt::AlignRight, QString::number(maxHeight_, 'f', 0));
    painter.drawText(QRectF(0, plot.bottom() - 10, kMarginLeft - 4, 14), Qt::AlignRight, QString::number(minHeight_, 'f', 0));
    if (minHeight_ < 0.0) {
        painter.setPen(QPen(QColor(200, 200, 200), 1, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), YOf(0.0)), QPointF(plot.right(), YOf(0.0)));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    PaintSeries(painter, kGroundColour, GroundHeight);
    PaintSeries(painter, kCameraColour, CameraHeight);
    PaintSeries(painter, kClearanceColour, Clearance);
    painter.setPen(QPen(QColor(220, 0, 0), 1));
    painter.drawLine(QPointF(XOf(currentFrame_), plot.top()), QPointF(XOf(currentFrame_), plot.bottom()));
    PaintLowest(painter);
    PaintLegend(painter);
}

void FlightProfileChart::PaintSeries(QPainter& painter, const QColor& colour, double (*value)(const RecorderRow&)) const
{
    QPolygonF line;
    for (const PlannedFrame& frame : outcome_->plan()) line << QPointF(XOf(frame.index), YOf(value(frame.record)));
    painter.setPen(QPen(colour, 1.5));
    painter.drawPolyline(line);
}

void FlightProfileChart::PaintLowest(QPainter& painter) const
{
    const QPointF at(XOf(lowest_->frame), YOf(lowest_->height));
    painter.setPen(QPen(QColor(220, 0, 0), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at, 5, 5);
    const QString text = QString::fromStdString(ClearanceText(*lowest_));
    const int textWidth = painter.fontMetrics().horizontalAdvance(text);
    painter.setPen(QColor(160, 0, 0));
    painter.drawText(QPointF(width() - kMargin - textWidth, height() - 4), text);
}

void FlightProfileChart::PaintLegend(QPainter& painter) const
{
    const std::pair<QColor, const char*> entries[] = {
        {kCameraColour, "camera"}, {kGroundColour, "ground"}, {kClearanceColour, "above ground"}};
    double left = kMarginLeft;
    for (const auto& [colour, text] : entries) {
        painter.setPen(colour);
        painter.drawText(QPointF(left, height() - 4), text);
        left += painter.fontMetrics().horizontalAdvance(text) + 12;
    }
}

void FlightProfileChart::Pick(int x)
{
    if (const std::optional<int> frame = FrameAt(x)) emit FramePicked(*frame);
}

void FlightProfileChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) Pick(event->position().toPoint().x());
}

void FlightProfileChart::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) Pick(event->position().toPoint().x());
}

}  // namespace vistagon::gui
