#include "CTGAView.h"

#include "shell/FileDialogs.h"
#include "ImagePrinting.h"
#include "ImageWindowTexts.h"
#include "RasterPainter.h"
#include "platform/TextFormat.h"
#include "platform/messages/ImageMessages.h"
#include "shell/Shell.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QStyle>

namespace vistagon::gui {

namespace {

// The largest side a TGA header can hold.
constexpr int kLargestSide = 0xFFFF;

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

CTGAView::CTGAView(Shell& shell)
    : shell_(shell), status_(shell), ui_(shell.Messages(), status_), context_{ui_, shell.AppProfile()},
      document_(std::make_unique<CTGAFile>(context_, true, 1.0, 1.0, &status_))
{
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    UpdateTitle();
}

CTGAView::~CTGAView() = default;

void CTGAView::SetDocument(std::unique_ptr<CTGAFile> document)
{
    document_ = std::move(document);
    DocumentChanged();
}

bool CTGAView::OpenDocument(const QString& path)
{
    if (!document_->OnOpenDocument(path.toStdString())) return false;
    path_ = path;
    shell_.SetZoomText(QString());  // the load's progress is over
    DocumentChanged();
    return true;
}

bool CTGAView::SaveDocumentAs(const QString& path)
{
    const WaitCursor wait;
    if (!document_->OnSaveDocument(path.toStdString())) return false;
    document_->SetModified(false);
    path_ = path;
    UpdateTitle();
    return true;
}

void CTGAView::SetBorder(int border)
{
    geometry_.border = std::max(0, border);
    DocumentChanged();
}

void CTGAView::DocumentChanged()
{
    geometry_.width = ShownDocument().GetWidth();
    geometry_.height = ShownDocument().GetHeight();
    UpdateScrollRanges();
    UpdateTitle();
    viewport()->update();
}

QString CTGAView::DocumentName() const
{
    return path_.isEmpty() ? QString::fromLatin1(text::kUntitled) : QFileInfo(path_).fileName();
}

QString CTGAView::TitleText() const
{
    return DocumentName() + QStringLiteral("[*]");
}

void CTGAView::UpdateTitle()
{
    const QString title = TitleText();
    setWindowTitle(title);
    setWindowModified(document_->IsModified() && title.contains(QStringLiteral("[*]")));
}

QString CTGAView::ZoomText() const
{
    return geometry_.zoom >= 0 ? QString::asprintf("%d:1", 1 << geometry_.zoom)
                               : QString::asprintf("1:%d", 1 << -geometry_.zoom);
}

QPoint CTGAView::ScrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

bool CTGAView::IsEnabled(Command command) const
{
    const bool raster = document_->PixelBase() != nullptr;
    switch (command) {
    case Command::Save:
    case Command::SaveAs:
    case Command::Copy: return raster;
    case Command::Paste: {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        return data != nullptr && data->hasImage();
    }
    case Command::Print:
    case Command::PrintPreview:
    case Command::ZoomIn:
    case Command::ZoomOut:
    case Command::ZoomOneToOne: return true;
    default: return false;
    }
}

void CTGAView::Execute(Command command)
{
    if (!IsEnabled(command)) return;
    switch (command) {
    case Command::Save: Save(); break;
    case Command::SaveAs: SaveAs(); break;
    case Command::Copy: Copy(); break;
    case Command::Paste: Paste(); break;
    case Command::Print: Print(); break;
    case Command::PrintPreview: PrintPreview(); break;
    case Command::ZoomIn: ZoomIn(); break;
    case Command::ZoomOut: ZoomOut(); break;
    case Command::ZoomOneToOne: ZoomOneToOne(); break;
    default: break;
    }
}

bool CTGAView::MayClose()
{
    if (!document_->IsModified()) return true;
    const Answer answer = shell_.Messages().Ask(FormatText(text::kSaveChanges, DocumentName().toUtf8().constData()),
                                                QuestionButtons::YesNoCancel, MessageIcon::Warning);
    if (answer == Answer::Cancel) return false;
    return answer == Answer::No || Save();
}

void CTGAView::FitWindow(QMdiSubWindow* window, const QSize& limit)
{
    if (window == nullptr) return;
    // The sub-window's margins hold its frame and title bar.
    const QMargins margins = window->contentsMargins();
    QSize size(geometry_.ScreenWidth() + 2 * frameWidth() + margins.left() + margins.right(),
               geometry_.ScreenHeight() + 2 * frameWidth() + margins.top() + margins.bottom());
    if (limit.isValid()) size = size.boundedTo(limit);
    window->resize(size);
}

void CTGAView::ZoomIn()
{
    if (geometry_.zoom < ImageGeometry::kMaxZoom) SetZoom(geometry_.zoom + 1);
}

void CTGAView::ZoomOut()
{
    if (geometry_.zoom > ImageGeometry::kMinZoom) SetZoom(geometry_.zoom - 1);
}

void CTGAView::ZoomOneToOne()
{
    SetZoom(0);
}

void CTGAView::SetZoom(int zoom)
{
    geometry_.zoom = zoom;
    UpdateScrollRanges();
    viewport()->update();
    // Zoom commands reach only the active window, whose magnification the pane shows.
    shell_.SetZoomText(ZoomText());
}

void CTGAView::Copy()
{
    const WaitCursor wait;
    const QImage picture = RasterPainter::Whole(ShownDocument());
    if (!picture.isNull()) QApplication::clipboard()->setImage(picture);
}

void CTGAView::Paste()
{
    const QImage picture = QApplication::clipboard()->image();
    if (picture.isNull()) return;
    if (picture.width() > kLargestSide || picture.height() > kLargestSide) {
        // The picture stays as it was: a failed paste loses nothing.
        shell_.Messages().ShowMessage(msg::kTgaTooLarge.text, MessageIcon::Warning);
        return;
    }
    const WaitCursor wait;
    if (!RasterPainter::Adopt(*document_, picture)) return;
    document_->SetModified(true);
    DocumentChanged();
    shell_.UpdateCommands();
}

bool CTGAView::Save()
{
    if (path_.isEmpty()) {
        SaveAs();
        return !document_->IsModified();
    }
    return SaveDocumentAs(path_);
}

void CTGAView::SaveAs()
{
    const QString path = FileDialogs::PromptSave(shell_.DialogParent(), shell_.AppProfile(), Kind(), path_);
    if (!path.isEmpty()) SaveDocumentAs(path);
}

void CTGAView::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, shell_.DialogParent());
    if (dialog.exec() != QDialog::Accepted) return;
    const WaitCursor wait;
    PrintImage(printer, ShownDocument());
}

void CTGAView::PrintPreview()
{
    QPrintPreviewDialog preview(shell_.DialogParent());
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [this](QPrinter* printer) { PrintImage(*printer, ShownDocument()); });
    preview.exec();
}

void CTGAView::UpdateScrollRanges()
{
    // The page as it will be: scroll bars take room only where the picture does not fit.
    const int width = geometry_.ScreenWidth();
    const int height = geometry_.ScreenHeight();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    QSize page = maximumViewportSize();
    bool across = width > page.width();
    const bool down = height > (across ? page.height() - bar : page.height());
    across = width > (down ? page.width() - bar : page.width());
    if (across) page.rheight() -= bar;
    if (down) page.rwidth() -= bar;
    horizontalScrollBar()->setRange(0, std::max(0, width - page.width()));
    verticalScrollBar()->setRange(0, std::max(0, height - page.height()));
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setPageStep(page.height());
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setSingleStep(16);
}

void CTGAView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    const QPoint scroll = ScrollPosition();
    const QRect canvas(0, 0, geometry_.ScreenWidth(), geometry_.ScreenHeight());
    const QRect part = exposed.translated(scroll).intersected(canvas);
    painter.fillRect(exposed, palette().brush(QPalette::Dark));
    const CTGAFile& shown = ShownDocument();
    if (shown.PixelBase() != nullptr && !part.isEmpty()) {
        const double m = geometry_.Magnification();
        painter.drawImage(part.topLeft() - scroll, RasterPainter::Part(shown, part, m, m, geometry_.border));
    }
    PaintOverlay(painter, exposed);
}

void CTGAView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void CTGAView::scrollContentsBy(int dx, int dy)
{
    // Only the strips that scroll into view are painted.
    viewport()->scroll(dx, dy);
}

void CTGAView::mouseMoveEvent(QMouseEvent* event)
{
    ShowReadout(event->position().toPoint());
    QAbstractScrollArea::mouseMoveEvent(event);
}

bool CTGAView::viewportEvent(QEvent* event)
{
    // A readout of a place the mouse has left would be stale.
    if (event->type() == QEvent::Leave) shell_.SetPositionText(QString());
    return QAbstractScrollArea::viewportEvent(event);
}

void CTGAView::ShowReadout(const QPoint& windowPosition)
{
    if (ShownDocument().PixelBase() == nullptr) return;
    const QPoint scrolled = windowPosition + ScrollPosition();
    const auto readout = geometry_.Readout(scrolled.x(), scrolled.y());
    shell_.SetPositionText(readout ? QString::asprintf("%d/%d", readout->first, readout->second) : QString());
}

void CTGAView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        shell_.ShowHelp(HelpTopic());
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

}  // namespace vistagon::gui
