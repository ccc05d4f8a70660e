#include "Commands.h"
#include "DemoTerrain.h"
#include "GuiTestRegistry.h"
#include "image/TestShell.h"
#include "rendering/CRenderingView.h"
#include "rendering/RenderLauncher.h"
#include "scene/SceneScript.h"
#include "support/ScriptedInteraction.h"

#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <thread>

using namespace vistagon;
using namespace vistagon::gui;
using test::ReadFileBytes;

namespace {

// The form of a scene that was never saved, with the values given.
class ValuesForm : public SceneForm {
public:
    explicit ValuesForm(SceneParameters values) : values_(std::move(values)) {}
    std::optional<SceneParameters> TakeValues() override { return values_; }
    std::string DocumentPath() const override { return {}; }
    bool IsModified() const override { return modified; }
    void SetModified(bool m) override { modified = m; }
    void SetJobRunning(bool running) override { runningChanges.push_back(running); }

    bool modified = false;
    std::vector<bool> runningChanges;

private:
    SceneParameters values_;
};

// A small fractal terrain with its texture and a straight flight of three
// 64 x 48 frames across it.
struct SmallScene {
    explicit SmallScene(test::TestContext& t) : t(t)
    {
        const cli::DemoTerrain terrain(6, 7);
        terrain.WriteElevation(t.context, t.dir.File("terrain.tga"));
        terrain.WriteTexture(t.context, t.dir.File("texture.tga"), 0.05);
        scene = SceneParameters::NewScene();
        scene.ElevationFileName = t.dir.File("terrain.tga");
        scene.UseTextureFile = 1;
        scene.TextureFileName = t.dir.File("texture.tga");
        scene.ElevScaleZA = scene.ElevScaleZZ = 0.005;
        scene.XA = 4.0;
        scene.XZ = 12.0;
        scene.YA = scene.YZ = 4.0;
        scene.ZA = scene.ZZ = 60.0;
        scene.HeadingA = scene.HeadingZ = 45.0;
        scene.PitchA = scene.PitchZ = -25.0;
        scene.FocalLengthA = scene.FocalLengthZ = 60.0;
        scene.DustA = scene.DustZ = 400.0;
        scene.SizeX = 64;
        scene.SizeY = 48;
        scene.GridX = scene.GridY = 64;
        scene.Total = 3;
        scene.From = 0;
        scene.To = 2;
        scene.OutputFileName = t.dir.File("gui%02d.tga");
    }

    std::vector<std::string> Frames(const std::string& prefix) const
    {
        std::vector<std::string> found;
        for (int i = 0; i <= scene.To; ++i) {
            const std::string name = t.dir.File(prefix + QString::asprintf("%02d.tga", i).toStdString());
            if (std::filesystem::exists(name)) found.push_back(name);
        }
        return found;
    }

    test::TestContext& t;
    SceneParameters scene;
};

// A rendering window that acts at its job's progress reports, points of the job
// known whatever the speed of the machine.
class ReportingView : public CRenderingView {
public:
    using CRenderingView::CRenderingView;
    void ShowProgress(const JobProgress& progress) override
    {
        CRenderingView::ShowProgress(progress);
        if (onProgress) onProgress(progress);
    }
    std::function<void(const JobProgress&)> onProgress;
};

CalculateResult RunInWindow(ReportingView* view, SceneForm& form, int workers)
{
    return view->Run(form, RenderMode::Final, RenderJobOptions{workers, {}, {}});
}

void DeletePendingWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

class CRenderingViewTest : public QObject {
    Q_OBJECT
private slots:
    void finalInTheWindowWritesTheFramesOfTheCommandLine()
    {
        test::TestContext t;
        SmallScene small(t);
        guitest::TestShell shell(t.dir.File("profile.ini"));
        ValuesForm form(small.scene);
        const CalculateResult result = CalculateInRenderingWindow(shell, form, RenderMode::Final);
        DeletePendingWindows();
        QCOMPARE(result.stage, CalculateResult::Stage::Rendered);
        QCOMPARE(result.report.outcome, JobOutcome::Completed);
        QCOMPARE(form.runningChanges, (std::vector<bool>{true, false}));
        QVERIFY(!form.modified);

        SceneParameters cliScene = small.scene;
        cliScene.OutputFileName = t.dir.File("cli%02d.tga");
        WriteScene(cliScene, t.dir.File("scene.vgs"));
        QCOMPARE(cli::RunCommandLine({"--profile", t.dir.File("profile.ini"), "render", t.dir.File("scene.vgs"),
                                      "--mode", "final"}),
                 0);
        const std::vector<std::string> gui = small.Frames("gui");
        const std::vector<std::string> cli = small.Frames("cli");
        QCOMPARE(gui.size(), size_t{3});
        QCOMPARE(cli.size(), size_t{3});
        for (size_t i = 0; i < gui.size(); ++i) QVERIFY(ReadFileBytes(gui[i]) == ReadFileBytes(cli[i]));

        // The window stays with the last frame, named after it, and closes without a question.
        QCOMPARE(shell.area->subWindowList().size(), 1);
        auto* view = qobject_cast<CRenderingView*>(shell.area->subWindowList().front()->widget());
        QVERIFY(view != nullptr);
        QCOMPARE(view->windowTitle(), QString("gui02.tga"));
        CTGAFile last(t.context);
        QVERIFY(last.OnOpenDocument(gui.back()));
        QCOMPARE(view->document().GetPixel(32, 24), last.GetPixel(32, 24));
        QCOMPARE(view->document().GetPixel(5, 40), last.GetPixel(5, 40));
        QVERIFY(!view->document().IsModified());
        QVERIFY(shell.zoomTexts.contains("100%"));
        QVERIFY(shell.zoomText.isEmpty());
        QVERIFY(!view->IsEnabled(Command::Paste));
        QVERIFY(view->MayClose());
        QVERIFY(shell.presenter.shown.empty());
    }

    void stopDuringTheRenderClosesTheWindowAndLeavesNoFrame_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("workers");
        QTest::newRow("one frame drawn in the window") << 1 << 1;
        QTest::newRow("frames drawn side by side") << 6 << 2;
    }

    void stopDuringTheRenderClosesTheWindowAndLeavesNoFrame()
    {
        QFETCH(int, frames);
        QFETCH(int, workers);
        test::TestContext t;
        SmallScene small(t);
        small.scene.Total = frames;
        small.scene.To = frames - 1;
        small.scene.SizeX = 320;
        small.scene.SizeY = 240;
        guitest::TestShell shell(t.dir.File("profile.ini"));
        shell.presenter.answers = {Answer::No, Answer::Yes};
        auto* view = new ReportingView(shell);
        // Stop is pressed twice at the job's first report: No goes on, Yes stops.
        int started = -1;
        int startedAtEnd = -1;
        view->onProgress = [&](const JobProgress& progress) {
            startedAtEnd = progress.framesStarted;
            if (started >= 0) return;
            started = progress.framesStarted;
            view->Execute(Command::StopRendering);
            QVERIFY(!view->interaction().IsCancelled());
            view->Execute(Command::StopRendering);
        };
        // Side by side, the frames begun go on while Yes is "open"; no other may start.
        shell.presenter.onShow = [&](const guitest::ScriptedPresenter::Shown&) {
            if (workers == 1 || shell.presenter.shown.size() < 2) return;
            while (small.Frames("gui").size() < size_t(started)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        };
        ValuesForm form(small.scene);
        const CalculateResult result = RunInWindow(view, form, workers);
        DeletePendingWindows();
        QCOMPARE(result.report.outcome, JobOutcome::Stopped);
        const std::vector<std::string> written = small.Frames("gui");
        if (workers == 1) {
            QVERIFY(written.empty());
        } else {
            QVERIFY(started < frames);
            QCOMPARE(startedAtEnd, started);
            QCOMPARE(written.size(), size_t(started));
            for (const std::string& frame : written)
                QCOMPARE(std::filesystem::file_size(frame), std::uintmax_t{18 + 320 * 240 * 3});
        }
        QVERIFY(shell.area->subWindowList().isEmpty());
        QCOMPARE(shell.presenter.Texts(),
                 (std::vector<std::string>(2, "Do you really want to cancel the rendering process?")));
        QCOMPARE(shell.presenter.shown[0].icon, MessageIcon::Question);
    }

    void closingDuringTheRenderIsRefusedWithTheQuestion()
    {
        test::TestContext t;
        SmallScene small(t);
        small.scene.To = 0;
        guitest::TestShell shell(t.dir.File("profile.ini"));
        QMdiSubWindow* window = nullptr;
        shell.onAdd = [&window](QWidget*, QMdiSubWindow* added) { window = added; };
        auto* view = new ReportingView(shell);
        bool closed = true;
        view->onProgress = [&](const JobProgress&) {
            if (window != nullptr && closed) closed = window->close();
        };
        ValuesForm form(small.scene);
        const CalculateResult result = RunInWindow(view, form, 1);
        DeletePendingWindows();
        QVERIFY(!closed);
        QCOMPARE(result.report.outcome, JobOutcome::Completed);
        QCOMPARE(shell.presenter.Texts(),
                 std::vector<std::string>{"Do you really want to cancel the rendering process?"});
        QCOMPARE(shell.presenter.shown[0].icon, MessageIcon::Information);
        QCOMPARE(small.Frames("gui").size(), size_t{1});
        QCOMPARE(shell.area->subWindowList().size(), 1);
    }

    void previewDrawsTheWireModelAndWritesNoFiles()
    {
        test::TestContext t;
        SmallScene small(t);
        guitest::TestShell shell(t.dir.File("profile.ini"));
        ValuesForm form(small.scene);
        const CalculateResult result = CalculateInRenderingWindow(shell, form, RenderMode::Preview);
        DeletePendingWindows();
        QCOMPARE(result.report.outcome, JobOutcome::Completed);
        QVERIFY(small.Frames("gui").empty());
        QCOMPARE(shell.area->subWindowList().size(), 1);
        auto* view = qobject_cast<CRenderingView*>(shell.area->subWindowList().front()->widget());
        // 64 divisions become 6: 7 x 7 nodes, at most three lines each.
        QVERIFY(view->WireLineCount() > 0);
        QVERIFY(view->WireLineCount() <= 3 * 49);
        QCOMPARE(view->document().GetPixel(10, 10), (Bgr{255, 255, 255}));
    }

    void aMaximisedAreaKeepsRawAndFinalMaximisedAndShowsPreviewFitted()
    {
        test::TestContext t;
        SmallScene small(t);
        small.scene.To = 0;
        guitest::TestShell shell(t.dir.File("profile.ini"));
        QMdiSubWindow* other = shell.area->addSubWindow(new QWidget);
        other->showMaximized();
        bool maximisedWhenAdded = false;
        shell.onAdd = [&](QWidget*, QMdiSubWindow* window) { maximisedWhenAdded = window->isMaximized(); };
        ValuesForm form(small.scene);
        CalculateInRenderingWindow(shell, form, RenderMode::Preview);
        QMdiSubWindow* preview = shell.area->subWindowList().back();
        QVERIFY(maximisedWhenAdded);
        QVERIFY(!preview->isMaximized());
        auto* view = qobject_cast<CRenderingView*>(preview->widget());
        QCOMPARE(view->viewport()->size(), QSize(64, 48));
        preview->showMaximized();
        CalculateInRenderingWindow(shell, form, RenderMode::Final);
        QVERIFY(shell.area->subWindowList().back()->isMaximized());
    }

    void aMaskOfAnotherSizeIsReportedAndLeavesNoWindow()
    {
        test::TestContext t;
        SmallScene small(t);
        CTGAFile mask(t.context);
        QVERIFY(mask.CreateImage(64, 40));
        QVERIFY(mask.OnSaveDocument(t.dir.File("mask.tga")));
        small.scene.UseMaskFile = 1;
        small.scene.MaskFileName = t.dir.File("mask.tga");
        guitest::TestShell shell(t.dir.File("profile.ini"));
        ValuesForm form(small.scene);
        const CalculateResult result = CalculateInRenderingWindow(shell, form, RenderMode::Final);
        DeletePendingWindows();
        QCOMPARE(result.report.outcome, JobOutcome::Abandoned);
        QCOMPARE(shell.presenter.Texts(),
                 std::vector<std::string>{"Mask file and target file are not the same size.\n\nChoose another mask."});
        QVERIFY(shell.area->subWindowList().isEmpty());
        QVERIFY(small.Frames("gui").empty());
        QCOMPARE(form.runningChanges, (std::vector<bool>{true, false}));
    }

    void anUnreadableElevationFileLeavesNoWindow()
    {
        test::TestContext t;
        SmallScene small(t);
        test::WriteFileBytes(t.dir.File("terrain.tga"), "not a picture");
        guitest::TestShell shell(t.dir.File("profile.ini"));
        ValuesForm form(small.scene);
        const CalculateResult result = CalculateInRenderingWindow(shell, form, RenderMode::Final);
        DeletePendingWindows();
        QCOMPARE(result.stage, CalculateResult::Stage::Rendered);
        QCOMPARE(result.report.outcome, JobOutcome::NoTerrain);
        QVERIFY(shell.area->subWindowList().isEmpty());
        QVERIFY(small.Frames("gui").empty());
    }

    void aStillSharedByTheCoresRepaintsAsItGrowsAndWritesTheBytesOfOneThread()
    {
        // Two workers share the still's frame; the window paints itself at
        // every report of the job, while the helper threads draw.
        test::TestContext t;
        SmallScene small(t);
        small.scene.To = 0;
        small.scene.SizeX = 320;
        small.scene.SizeY = 240;
        guitest::TestShell shell(t.dir.File("profile.ini"));
        shell.AppProfile().WriteInt("Settings", "RedrawInterval", 1);
        auto* reporting = new ReportingView(shell);
        int repaints = 0;
        reporting->onProgress = [&](const JobProgress&) {
            // grab paints the viewport whether or not the test's window is on a screen.
            if (reporting->JobRunning() && !reporting->viewport()->grab().isNull()) ++repaints;
        };
        ValuesForm form(small.scene);
        const CalculateResult result = RunInWindow(reporting, form, 2);
        DeletePendingWindows();
        QCOMPARE(result.report.outcome, JobOutcome::Completed);
        QVERIFY(repaints > 0);

        SceneParameters cliScene = small.scene;
        cliScene.OutputFileName = t.dir.File("cli%02d.tga");
        WriteScene(cliScene, t.dir.File("scene.vgs"));
        QCOMPARE(cli::RunCommandLine({"--profile", t.dir.File("profile.ini"), "render", t.dir.File("scene.vgs"),
                                      "--mode", "final", "--jobs", "1"}),
                 0);
        QVERIFY(ReadFileBytes(t.dir.File("gui00.tga")) == ReadFileBytes(t.dir.File("cli00.tga")));
        // Once the job is over the window shows the finished frame.
        auto* view = qobject_cast<CRenderingView*>(shell.area->subWindowList().front()->widget());
        const QImage painted = view->viewport()->grab().toImage();
        CTGAFile frame(t.context);
        QVERIFY(frame.OnOpenDocument(t.dir.File("cli00.tga")));
        const Bgr centre = frame.GetPixel(160, 120);
        QCOMPARE(painted.pixelColor(160, 119), QColor(centre.r, centre.g, centre.b));
    }
};

VISTAGON_GUI_TEST(CRenderingViewTest);
#include "CRenderingViewTest.moc"
