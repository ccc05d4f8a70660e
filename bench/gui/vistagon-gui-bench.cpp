// Painting a 16384 x 16384 image in a 1280 x 900 image window: the time of a
// full repaint at every magnification and of the strips a scroll exposes.
#include "image/CTGAView.h"
#include "image/RasterPainter.h"
#include "shell/Shell.h"

#include <QApplication>
#include <QScrollBar>
#include <chrono>
#include <cstdio>
#include <filesystem>

using namespace vistagon;
using namespace vistagon::gui;

namespace {

class QuietPresenter : public MessagePresenter {
public:
    void ShowMessage(std::string_view text, MessageIcon) override { std::fprintf(stderr, "%.*s\n", int(text.size()), text.data()); }
    Answer Ask(std::string_view, QuestionButtons, MessageIcon) override { return Answer::No; }
};

class BenchShell : public Shell {
public:
    MessagePresenter& Messages() override { return presenter_; }
    Profile AppProfile() const override { return Profile((std::filesystem::temp_directory_path() / "vistagon-gui-bench.ini").string()); }
    QWidget* DialogParent() override { return nullptr; }
    QMdiSubWindow* AddChildWindow(QWidget*) override { return nullptr; }
    void SetStatusMessage(const QString&) override {}
    void SetPositionText(const QString&) override {}
    void SetZoomText(const QString&) override {}
    void UpdateCommands() override {}
    void ShowHelp(const QString&) override {}

private:
    QuietPresenter presenter_;
};

// Counts the paints that reach the window, so that a figure stands for real painting.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    long paints = 0;
};

double MillisecondsOf(int repeats, const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeats; ++i) work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / repeats;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    constexpr int kSide = 16384;
    BenchShell shell;
    CTGAView view(shell);
    if (!view.document().CreateImage(kSide, kSide)) return 1;
    for (int y = 0; y < kSide; ++y) {
        uint8_t* row = view.document().PixelBase() + static_cast<size_t>(y) * view.document().Stride();
        for (int x = 0; x < kSide; ++x) {
            row[3 * x] = static_cast<uint8_t>(x);
            row[3 * x + 1] = static_cast<uint8_t>(y);
            row[3 * x + 2] = static_cast<uint8_t>(x ^ y);
        }
    }
    view.DocumentChanged();
    PaintCounter counter;
    view.viewport()->installEventFilter(&counter);
    view.resize(1280, 900);
    view.show();
    view.ZoomOneToOne();  // takes the new size into the scroll ranges
    QApplication::processEvents();
    std::printf("image %d x %d, window %d x %d\n", kSide, kSide, view.viewport()->width(), view.viewport()->height());

    for (int zoom = -3; zoom <= 1; ++zoom) {
        view.ZoomOneToOne();
        for (int z = 0; z < zoom; ++z) view.ZoomIn();
        for (int z = 0; z > zoom; --z) view.ZoomOut();
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum() / 2);
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
        QApplication::processEvents();
        const double full = MillisecondsOf(20, [&] { view.viewport()->repaint(); });
        // A wheel step: the view scrolls by three lines and paints the strip that came in.
        QScrollBar* bar = view.verticalScrollBar();
        int direction = 1;
        const double strip = MillisecondsOf(200, [&] {
            if (bar->value() + direction * bar->singleStep() * 3 > bar->maximum() || bar->value() - bar->singleStep() * 3 < 0)
                direction = -direction;
            bar->setValue(bar->value() + direction * bar->singleStep() * 3);
            QApplication::processEvents();
        });
        const QRect window(view.ScrollPosition(), view.viewport()->size());
        const double m = zoom >= 0 ? double(1 << zoom) : 1.0 / double(1 << -zoom);
        const double part = MillisecondsOf(20, [&] { RasterPainter::Part(view.document(), window, m, m); });
        std::printf("magnification 2^%d: full repaint %.2f ms (picture part alone %.2f ms), scroll step with its repaint %.2f ms; %ld paints\n",
                    zoom, full, part, strip, counter.paints);
        counter.paints = 0;
    }
    return 0;
}
