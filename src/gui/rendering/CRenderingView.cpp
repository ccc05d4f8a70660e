#include "CRenderingView.h"

#include "CapturingSceneForm.h"
#include "flight/FrameName.h"
#include "platform/TextFormat.h"
#include "platform/messages/FlightMessages.h"
#include "shell/Shell.h"

#include <QFileInfo>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cstring>

namespace vistagon::gui {

namespace {

QColor FromColourValue(uint32_t colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace

CRenderingView::CRenderingView(Shell& shell) : CTGAView(shell)
{
    connect(&redrawTimer_, &QTimer::timeout, this, [this] {
        if (interaction().IsCancelled())
            redrawTimer_.stop();
        else
            viewport()->update();
    });
}

CRenderingView::~CRenderingView() = default;

CalculateResult CRenderingView::Run(SceneForm& form, RenderMode mode, const RenderJobOptions& options)
{
    mode_ = mode;
    workers_ = options.workers;
    running_ = true;
    interaction().ResetCancel();
    CapturingSceneForm capturing(form, values_);
    CalculateResult result;
    try {
        result = Calculate(context(), capturing, mode, *this, options);
    } catch (...) {
        running_ = false;
        FinishJob(result);
        throw;
    }
    running_ = false;
    FinishJob(result);
    return result;
}

void CRenderingView::FinishJob(const CalculateResult& result)
{
    redrawTimer_.stop();
    shell().SetZoomText(QString());
    document().SetRenderingActive(false);
    const bool rendered = result.stage == CalculateResult::Stage::Rendered;
    // Frames are planned from From on, one after the other.
    if (rendered && values_ && result.report.framesPlanned > 0)
        latestStarted_ = values_->From + result.report.framesPlanned - 1;
    document().SetModified(false);
    UpdateTitle();
    shell().UpdateCommands();
    if (window_ == nullptr) {
        deleteLater();
        return;
    }
    if (!rendered || result.report.ClosesWindow()) window_->close();
}

QString CRenderingView::TitleText() const
{
    if (!values_) return CTGAView::TitleText();
    // The first frame is named as soon as the window shows, before its progress comes.
    const int frame = latestStarted_ >= 0 ? latestStarted_ : values_->From;
    return QFileInfo(QString::fromStdString(FormatFrameName(values_->OutputFileName, frame + values_->Offset))).fileName();
}

bool CRenderingView::IsEnabled(Command command) const
{
    if (command == Command::Paste) return false;
    if (command == Command::StopRendering) return true;
    return CTGAView::IsEnabled(command);
}

void CRenderingView::Execute(Command command)
{
    if (command == Command::StopRendering) {
        StopRendering();
        return;
    }
    CTGAView::Execute(command);
}

void CRenderingView::StopRendering()
{
    if (!running_) return;
    if (shell().Messages().Ask(msg::kConfirmStopRendering.text, QuestionButtons::YesNo, MessageIcon::Question) ==
        Answer::Yes)
        interaction().RequestCancel();
}

bool CRenderingView::MayClose()
{
    if (!running_) return CTGAView::MayClose();
    // The job ends first; the window then closes itself.
    if (shell().Messages().Ask(msg::kConfirmStopRendering.text, QuestionButtons::YesNo, MessageIcon::Information) ==
        Answer::Yes)
        interaction().RequestCancel();
    return false;
}

CTGAFile* CRenderingView::OutputImage(int width, int height)
{
    if (!document().CreateImage(width, height)) return nullptr;
    // Made before the job's threads start: an image reads the profile's settings.
    shown_ = std::make_unique<CTGAFile>(context());
    if (!shown_->CreateImage(width, height)) return nullptr;
    document().SetModified(true);
    document().SetRenderingActive(true);
    DocumentChanged();
    ShowWindow();
    if (mode_ != RenderMode::Preview) {
        redrawTimer_.start(std::max(1, context().profile.GetInt("Settings", "RedrawInterval", 1000)));
    }
    return &document();
}

void CRenderingView::ShowWindow()
{
    window_ = shell().AddChildWindow(this);
    if (window_ == nullptr) return;
    const bool maximised = window_->isMaximized();
    if (maximised) window_->showNormal();
    FitWindow(window_);
    if (maximised && mode_ != RenderMode::Preview) window_->showMaximized();
}

void CRenderingView::Redraw(const CTGAFile& image)
{
    TakeSnapshot(image);
    viewport()->update();
}

void CRenderingView::TakeSnapshot(const CTGAFile& image)
{
    if (!shown_ || image.PixelBase() == nullptr || image.GetWidth() != shown_->GetWidth() ||
        image.GetHeight() != shown_->GetHeight())
        return;
    std::memcpy(shown_->PixelBase(), image.PixelBase(), image.Stride() * static_cast<size_t>(image.GetHeight()));
}

const CTGAFile& CRenderingView::ShownDocument() const
{
    return running_ && shown_ ? *shown_ : CTGAView::ShownDocument();
}

void CRenderingView::ShowProgress(const JobProgress& progress)
{
    if (progress.frame >= 0) {
        latestStarted_ = std::max(latestStarted_, progress.frame);
        UpdateTitle();
    }
    shell().SetZoomText(QString::asprintf("%d%%", progress.frame >= 0 ? progress.framePercent : 100));
}

bool CRenderingView::WantsFramePictures() const
{
    // Frames drawn side by side do not draw into the window's image; their pictures come here in order.
    return mode_ != RenderMode::Preview && workers_ > 1;
}

void CRenderingView::FramePictureReady(const FramePicture& picture)
{
    CTGAFile& image = document();
    if (picture.width != image.GetWidth() || picture.height != image.GetHeight() || picture.rows == image.PixelBase())
        return;
    const size_t row = static_cast<size_t>(picture.width) * 3;
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.PixelBase() + y * image.Stride(), picture.rows + y * picture.stride, row);
    Redraw(image);
}

void CRenderingView::Repaint()
{
    lines_.clear();
    viewport()->update();
}

void CRenderingView::DrawLine(int x0, int y0, int x1, int y1, uint32_t colour)
{
    lines_.push_back({x0, y0, x1, y1, colour});
    viewport()->update();
}

void CRenderingView::PaintOverlay(QPainter& painter, const QRect&)
{
    if (lines_.empty()) return;
    const double m = geometry().Magnification();
    const QPoint scroll = ScrollPosition();
    uint32_t current = lines_.front().colour;
    painter.setPen(QPen(FromColourValue(current), 1));
    for (const WireLine& line : lines_) {
        if (line.colour != current) {
            current = line.colour;
            painter.setPen(QPen(FromColourValue(current), 1));
        }
        painter.drawLine(QPoint(static_cast<int>(line.x0 * m), static_cast<int>(line.y0 * m)) - scroll,
                         QPoint(static_cast<int>(line.x1 * m), static_cast<int>(line.y1 * m)) - scroll);
    }
}

}  // namespace vistagon::gui
