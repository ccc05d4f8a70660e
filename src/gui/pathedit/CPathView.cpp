#include "CPathView.h"

#include "CPathDoc.h"
#include "PathPen.h"
#include "flight/PathCurve.h"
#include "scene/PathClipboardText.h"
#include "shell/Shell.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>

namespace vistagon::gui {

namespace {

constexpr const char* kTooManyPoints = "A flight path has at most 100 points.";
// Enough for the 127 positions of the loop, and an end to it whatever the points.
constexpr int kMaxCurveSteps = 4 * CPathView::kTotal;

}  // namespace

CPathView::CPathView(Shell& shell, PathEditorClient& client) : CTGAView(shell), client_(client)
{
    SetDocument(std::make_unique<CPathDoc>(context()));
    SetBorder(context().profile.GetInt("FlightPath", "BorderWidth", 0));
    viewport()->setCursor(Qt::ArrowCursor);
}

CPathView::~CPathView()
{
    if (opened_) client_.PathEditorClosed();
}

CPathDoc& CPathView::pathDocument()
{
    return static_cast<CPathDoc&>(document());
}

bool CPathView::Open(const QString& picturePath, const std::vector<PathPoint>& picturePoints)
{
    if (!OpenDocument(picturePath)) return false;
    points_.clear();
    for (const PathPoint& p : picturePoints) {
        if (static_cast<int>(points_.size()) == kMaxPoints) break;
        points_.push_back({p.x + border(), p.y + border()});
    }
    opened_ = true;
    ends_ = client_.PathEnds();
    map_ = PictureMapText::Read(picturePath);
    viewport()->update();
    return true;
}

bool CPathView::IsEnabled(Command command) const
{
    switch (command) {
    case Command::Copy:
    case Command::Apply: return true;
    case Command::ImportTrack: return TrackImportBuiltIn();
    case Command::Paste: return IsPathClipboardText(QApplication::clipboard()->text().toStdString());
    case Command::Save:
    case Command::SaveAs: return false;
    default: return CTGAView::IsEnabled(command);
    }
}

void CPathView::Execute(Command command)
{
    switch (command) {
    case Command::Copy: CopyPoints(); break;
    case Command::Paste: PastePoints(); break;
    case Command::Apply: Apply(); break;
    case Command::ImportTrack: ChooseTrack(); break;
    case Command::Save:
    case Command::SaveAs: break;
    default: CTGAView::Execute(command); break;
    }
}

bool CPathView::MayClose()
{
    if (applied_) return true;
    return pathDocument().SaveModified(shell().Messages(), [this] { HandOver(); });
}

void CPathView::CopyPoints()
{
    QApplication::clipboard()->setText(QString::fromStdString(FormatPathClipboardText(points_)));
}

void CPathView::PastePoints()
{
    const std::optional<std::vector<PathPoint>> pasted =
        ParsePathClipboardText(QApplication::clipboard()->text().toStdString());
    if (!pasted) return;
    if (static_cast<int>(pasted->size()) > kMaxPoints) {
        RefuseMorePoints();
        return;
    }
    points_ = *pasted;
    Changed();
}

void CPathView::Apply()
{
    HandOver();
    applied_ = true;
    if (parentWidget() != nullptr) parentWidget()->close();
}

void CPathView::HandOver()
{
    std::vector<PathPoint> picture;
    for (const PathPoint& p : points_) picture.push_back({p.x - border(), p.y - border()});
    if (picture.size() > static_cast<size_t>(kMaxPoints)) picture.resize(kMaxPoints);
    client_.ApplyPathPoints(picture);
    if (endsImported_) client_.ApplyPathEnds(ends_);
}

void CPathView::ChooseTrack()
{
    const QString path = QFileDialog::getOpenFileName(shell().DialogParent(), QStringLiteral("Import Track"), QString(),
                                                      QStringLiteral("Tracks (*.gpx *.kml *.geojson *.json *.gpkg *.shp);;All files (*)"));
    if (!path.isEmpty()) ImportTrackFile(path);
}

bool CPathView::ImportTrackFile(const QString& trackPath)
{
    const EditorTrack track = ImportEditorTrack(QString::fromStdString(document().pathName()), trackPath, border());
    if (track.error) {
        shell().Messages().ShowMessage(track.error->toStdString(), MessageIcon::Stop);
        return false;
    }
    track_ = track.track;
    points_.clear();
    for (const PathPoint& p : track.points) points_.push_back({p.x + border(), p.y + border()});
    ends_ = track.ends;
    endsImported_ = true;
    Changed();
    shell().Messages().ShowMessage(track.summary.toStdString(), MessageIcon::Information);
    return true;
}

std::vector<QPoint> CPathView::TrackScreenPoints() const
{
    std::vector<QPoint> screen;
    const double m = geometry().Magnification();
    const QPoint scroll = ScrollPosition();
    for (const CurvePoint& p : track_)
        screen.push_back(QPoint(static_cast<int>((p.x + border()) * m) - scroll.x(), static_cast<int>((p.y + border()) * m) - scroll.y()));
    return screen;
}

void CPathView::ShowMapPosition(const QPoint& windowPosition)
{
    if (!map_ || !Inside(windowPosition)) return;
    const QPoint scrolled = windowPosition + ScrollPosition();
    const auto readout = geometry().Readout(scrolled.x(), scrolled.y());
    if (!readout) return;
    const PathPoint canvas = CanvasPointAt(windowPosition);
    shell().SetPositionText(QString::asprintf("%d/%d", readout->first, readout->second) + QStringLiteral("   ") +
                            map_->At(canvas.x - border(), canvas.y - border()));
}

void CPathView::Changed()
{
    document().SetModified(true);
    UpdateTitle();
    viewport()->update();
}

void CPathView::RefuseMorePoints()
{
    shell().SetStatusMessage(QString::fromLatin1(kTooManyPoints));
}

QPoint CPathView::ScreenOf(const PathPoint& point) const
{
    const double m = geometry().Magnification();
    return QPoint(static_cast<int>(point.x * m), static_cast<int>(point.y * m)) - ScrollPosition();
}

bool CPathView::Inside(const QPoint& windowPosition) const
{
    const QPoint scrolled = windowPosition + ScrollPosition();
    return geometry().InsideCanvas(scrolled.x(), scrolled.y());
}

PathPoint CPathView::CanvasPointAt(const QPoint& windowPosition) const
{
    const QPoint scrolled = windowPosition + ScrollPosition();
    const auto [x, y] = geometry().CanvasPoint(scrolled.x(), scrolled.y());
    return {x, y};
}

int CPathView::HitTest(const QPoint& windowPosition) const
{
    for (size_t i = 0; i < points_.size(); ++i) {
        const QPoint screen = ScreenOf(points_[i]);
        if (std::abs(screen.x() - windowPosition.x()) <= kHitRadius &&
            std::abs(screen.y() - windowPosition.y()) <= kHitRadius)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<QPoint> CPathView::CurveScreenPoints() const
{
    std::vector<QPoint> screen;
    if (points_.size() < static_cast<size_t>(PathCurve::kMinimumPoints)) return screen;
    const double m = geometry().Magnification();
    std::vector<CurvePoint> knots;
    for (const PathPoint& p : points_) knots.push_back({p.x * m, p.y * m});
    PathCurve curve(knots, kTotal, ends_);
    CurvePoint position{};
    CurvePoint move{};
    double curvature = 0.0;
    const QPoint scroll = ScrollPosition();
    for (int step = 0; step < kMaxCurveSteps && !curve.Step(position, move, curvature); ++step)
        screen.push_back(QPoint(static_cast<int>(position.x - scroll.x()), static_cast<int>(position.y - scroll.y())));
    return screen;
}

void CPathView::PaintOverlay(QPainter& painter, const QRect&)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The imported track lies under the points, so that the curve can be seen to follow it.
    const std::vector<QPoint> track = TrackScreenPoints();
    if (track.size() >= 2) {
        painter.setPen(QPen(QColor(255, 160, 0), 1, Qt::DashLine));
        painter.drawPolyline(track.data(), static_cast<int>(track.size()));
    }
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    for (size_t i = 0; i < points_.size(); ++i) {
        const QPoint at = ScreenOf(points_[i]);
        const QRect box(at.x() - kMarkerRadius, at.y() - kMarkerRadius, 2 * kMarkerRadius, 2 * kMarkerRadius);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(128, 0, 0));
        painter.drawEllipse(box);
        painter.setPen(QColor(0, 255, 255));
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, QString::asprintf("%02d", static_cast<int>(i)));
    }
    const std::vector<QPoint> curve = CurveScreenPoints();
    if (curve.size() < 2) return;
    painter.setPen(PathPen(context().profile));
    painter.setBrush(Qt::NoBrush);
    // NOT-XOR keeps the curve visible on every picture, whatever its colours.
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.drawPolyline(curve.data(), static_cast<int>(curve.size()));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void CPathView::mousePressEvent(QMouseEvent* event)
{
    // Pressing alone does nothing: points change on moves and on release.
    event->accept();
}

void CPathView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const bool inside = Inside(at);
    viewport()->setCursor(inside ? Qt::CrossCursor : Qt::ArrowCursor);
    if (inside && (event->buttons() & Qt::LeftButton)) {
        if (!dragging_) {
            dragged_ = HitTest(at);
            dragging_ = dragged_ >= 0;
        }
        if (dragging_) {
            points_[static_cast<size_t>(dragged_)] = CanvasPointAt(at);
            Changed();
        }
    }
    ShowReadout(at);
    ShowMapPosition(at);
}

void CPathView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    // A drag ends wherever the button comes up.
    if (dragging_) {
        dragging_ = false;
        dragged_ = -1;
        return;
    }
    if (!Inside(at)) return;
    const int hit = HitTest(at);
    if (hit >= 0) {
        points_.erase(points_.begin() + hit);
    } else if (static_cast<int>(points_.size()) >= kMaxPoints) {
        RefuseMorePoints();
        return;
    } else {
        points_.push_back(CanvasPointAt(at));
    }
    Changed();
}

}  // namespace vistagon::gui
