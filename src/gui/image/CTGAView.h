#pragma once

#include "ImageGeometry.h"
#include "ShellZoomText.h"
#include "image/CTGAFile.h"
#include "platform/GuiInteraction.h"
#include "shell/ChildWindow.h"

#include <QAbstractScrollArea>
#include <memory>

class QMdiSubWindow;

namespace vistagon::gui {

class Shell;

// The image window: a scrolling view that paints its document's raster upright
// at a power-of-two magnification, reports the picture position under the mouse,
// copies and pastes images, saves and prints them.
class CTGAView : public QAbstractScrollArea, public ChildWindow {
    Q_OBJECT
public:
    explicit CTGAView(Shell& shell);
    ~CTGAView() override;

    // Loads a TGA file; false when it cannot be opened (the image layer said why).
    bool OpenDocument(const QString& path);
    // Writes TGA or, for a ".yuv" name, YUV; the document then bears that name.
    bool SaveDocumentAs(const QString& path);

    WindowKind Kind() const override { return WindowKind::Image; }
    bool IsEnabled(Command command) const override;
    void Execute(Command command) override;
    bool MayClose() override;
    QString DocumentPath() const override { return path_; }
    QString ZoomText() const override;

    CTGAFile& document() { return *document_; }
    const CTGAFile& document() const { return *document_; }
    int zoom() const { return geometry_.zoom; }
    int border() const { return geometry_.border; }
    QPoint ScrollPosition() const;
    // The interaction of the jobs the window runs.
    GuiInteraction& interaction() { return ui_; }

    // Sizes the window around it so that the whole picture shows at the
    // current magnification, at most limit (when given).
    void FitWindow(QMdiSubWindow* window, const QSize& limit = QSize());

    // After the document's raster was replaced or redrawn from outside: scroll
    // ranges, title and picture follow.
    void DocumentChanged();

    void ZoomIn();
    void ZoomOut();
    void ZoomOneToOne();
    void Copy();
    void Paste();

protected:
    // For derived views with a document of their own class; call from their constructor.
    void SetDocument(std::unique_ptr<CTGAFile> document);
    AppContext& context() { return context_; }
    Shell& shell() { return shell_; }
    void SetBorder(int border);
    // The image painted and printed; derived views may show another one for a while.
    virtual const CTGAFile& ShownDocument() const { return *document_; }
    // Drawn over the picture; exposed is the repainted part of the viewport.
    virtual void PaintOverlay(QPainter&, const QRect& /*exposed*/) {}
    const ImageGeometry& geometry() const { return geometry_; }
    // The file name, or "untitled" for a picture never saved.
    QString DocumentName() const;
    // The window's title with Qt's "[*]" where the modified mark goes; derived
    // views may name the window otherwise.
    virtual QString TitleText() const;
    void UpdateTitle();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void ShowReadout(const QPoint& windowPosition);
    // The window's page in the help viewer.
    virtual QString HelpTopic() const { return QStringLiteral("image-window"); }

private:
    void SetZoom(int zoom);
    void UpdateScrollRanges();
    bool Save();
    void SaveAs();
    void Print();
    void PrintPreview();

    Shell& shell_;
    ShellZoomText status_;
    GuiInteraction ui_;
    AppContext context_;
    std::unique_ptr<CTGAFile> document_;
    ImageGeometry geometry_;
    QString path_;
};

}  // namespace vistagon::gui
