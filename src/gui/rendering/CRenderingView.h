#pragma once

#include "flight/Calculate.h"
#include "flight/FramePicture.h"
#include "flight/RenderHost.h"
#include "image/CTGAView.h"
#include "render/WirePreview.h"

#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

class QMdiSubWindow;

namespace vistagon::gui {

// The window a render job draws into: its image has the output size, Preview
// draws the wire model over it, Raw and Final repaint it on a timer while the
// frame grows. It refuses to close while its job runs.
class CRenderingView : public CTGAView, public RenderHost, public LineCanvas {
    Q_OBJECT
public:
    explicit CRenderingView(Shell& shell);
    ~CRenderingView() override;

    // Runs Calculate on the form in this window. The window is shown once the
    // job has opened its images; it is gone again afterwards when the job was
    // stopped, could not use its images or found no terrain.
    CalculateResult Run(SceneForm& form, RenderMode mode, const RenderJobOptions& options);

    WindowKind Kind() const override { return WindowKind::Rendering; }
    bool IsEnabled(Command command) const override;
    void Execute(Command command) override;
    bool MayClose() override;

    bool JobRunning() const { return running_; }
    // Stop rendering: asks, and on Yes the job stops at its next frame or cell.
    void StopRendering();
    // Lines of the wire model drawn since the last repaint, in image pixels.
    size_t WireLineCount() const { return lines_.size(); }

    // RenderHost
    CTGAFile* OutputImage(int width, int height) override;
    void Redraw(const CTGAFile& image) override;
    LineCanvas* PreviewCanvas() override { return this; }
    void ShowProgress(const JobProgress& progress) override;
    bool WantsFramePictures() const override;
    void FramePictureReady(const FramePicture& picture) override;
    // LineCanvas
    void Repaint() override;
    void DrawLine(int x0, int y0, int x1, int y1, uint32_t colour) override;

protected:
    QString HelpTopic() const override { return QStringLiteral("rendering-window"); }
    void PaintOverlay(QPainter& painter, const QRect& exposed) override;
    // The name of the frame being drawn, then of the last one.
    QString TitleText() const override;
    const CTGAFile& ShownDocument() const override;

private:
    struct WireLine {
        int x0, y0, x1, y1;
        uint32_t colour;
    };

    void ShowWindow();
    void FinishJob(const CalculateResult& result);
    void TakeSnapshot(const CTGAFile& image);

    RenderMode mode_ = RenderMode::Final;
    bool running_ = false;
    QMdiSubWindow* window_ = nullptr;
    QTimer redrawTimer_;
    std::vector<WireLine> lines_;
    // What the window paints while its job runs: helper threads may be writing
    // the document's pixels at any time, so each redraw copies them while they hold still.
    std::unique_ptr<CTGAFile> shown_;
    std::optional<SceneParameters> values_;
    int workers_ = 1;
    int latestStarted_ = -1;
};

}  // namespace vistagon::gui
