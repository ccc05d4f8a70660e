#include "Commands.h"
#include "DemoTerrain.h"
#include "GuiTestRegistry.h"
#include "image/RasterPainter.h"
#include "plan/CFlightPlanView.h"
#include "plan/FlightProfileChart.h"
#include "plan/FramePane.h"
#include "scene/CVistagonView.h"
#include "scene/SceneScript.h"
#include "shell/CommandTable.h"
#include "support/FrameFixture.h"
#include "support/ScriptedInteraction.h"

#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <algorithm>
#include <filesystem>

using namespace vistagon;
using namespace vistagon::gui;

namespace {

// A curved flight of 40 frames (39 positions) low over a small fractal
// terrain with its texture, 48 x 36 frames, in the fixture's folder.
struct PlanFixture {
    PlanFixture()
    {
        test::ScriptedInteraction ui;
        AppContext context{ui, Profile(f.ProfilePath().toStdString())};
        const cli::DemoTerrain terrain(5, 11);
        terrain.WriteElevation(context, File("terrain.tga"));
        terrain.WriteTexture(context, File("texture.tga"), 0.05);
        scene = SceneParameters::NewScene();
        scene.ElevationFileName = File("terrain.tga");
        scene.UseTextureFile = 1;
        scene.TextureFileName = File("texture.tga");
        scene.ElevScaleZA = scene.ElevScaleZZ = 0.002;
        scene.FocalLengthA = scene.FocalLengthZ = 40.0;
        scene.PitchA = -20.0;
        scene.DustA = scene.DustZ = 300.0;
        scene.SizeX = 48;
        scene.SizeY = 36;
        scene.GridX = scene.GridY = 32;
        scene.PathType = 1;
        scene.AverageHeight = 4.0;
        scene.PreviewRange = 3.0;
        scene.RollFactor = 20.0;
        scene.LastPathPoint = 3;
        scene.PathPoints[0] = {4, 5};
        scene.PathPoints[1] = {28, 4};
        scene.PathPoints[2] = {27, 27};
        scene.PathPoints[3] = {6, 26};
        scene.Total = 40;
        scene.From = 2;
        scene.To = 38;
        scene.OutputFileName = File("plan%02d.tga");
        WriteScene(scene, File("scene.vgs"));
    }

    std::string File(const char* name) const { return f.File(name).toStdString(); }

    // The form with the scene and its plan window, once the first plan and frame are shown.
    CFlightPlanView* Open()
    {
        f.frame->show();
        if (!QTest::qWaitForWindowActive(f.frame.get())) return nullptr;
        form = f.frame->NewScene();
        if (!form->LoadScene(f.File("scene.vgs"))) return nullptr;
        f.frame->action(cmd::kFlightPlan)->trigger();
        for (QMdiSubWindow* window : f.frame->mdiArea()->subWindowList()) {
            if (auto* view = qobject_cast<CFlightPlanView*>(window->widget())) {
                QSignalSpy shown(view, &CFlightPlanView::FrameShown);
                if (view->plan() == nullptr && !QSignalSpy(view, &CFlightPlanView::PlanShown).wait(20000)) return nullptr;
                if (view->shownFrame() < 0 && !shown.wait(20000)) return nullptr;
                return view;
            }
        }
        return nullptr;
    }

    guitest::FrameFixture f;
    SceneParameters scene;
    CVistagonView* form = nullptr;
};

// Waits for the picture of that frame in that mode.
bool WaitForFrame(CFlightPlanView* view, int frame, RenderMode mode)
{
    QSignalSpy shown(view, &CFlightPlanView::FrameShown);
    while (view->shownFrame() != frame || view->shownMode() != mode)
        if (!shown.wait(20000)) return false;
    return true;
}

QImage PictureOfFile(const std::string& path)
{
    test::ScriptedInteraction ui;
    AppContext context{ui, Profile("")};
    CTGAFile image(context);
    if (!image.OnOpenDocument(path)) return {};
    return RasterPainter::Whole(image);
}

int ThreadsOfThisProcess()
{
    return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/task"),
                                          std::filesystem::directory_iterator()));
}

// Points the system's temporary folder (where jobs put their copy of the
// scene) somewhere else for a while.
class TempFolderOverride {
public:
    explicit TempFolderOverride(const QString& folder) : previous_(qgetenv("TMPDIR")) { qputenv("TMPDIR", folder.toUtf8()); }
    ~TempFolderOverride()
    {
        if (previous_.isNull()) qunsetenv("TMPDIR");
        else qputenv("TMPDIR", previous_);
    }
    TempFolderOverride(const TempFolderOverride&) = delete;
    TempFolderOverride& operator=(const TempFolderOverride&) = delete;

private:
    QByteArray previous_;
};

void DeletePendingWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

class FlightPlanViewTest : public QObject {
    Q_OBJECT
private slots:
    void followsTheFormAndMarksTheLowestClearance()
    {
        PlanFixture s;
        CFlightPlanView* view = s.Open();
        QVERIFY(view != nullptr);
        QCOMPARE(view->plan()->plan().size(), size_t{37});
        QCOMPARE(view->slider()->minimum(), 2);
        QCOMPARE(view->slider()->maximum(), 38);
        QVERIFY(!view->plan()->picture.isNull());

        const FlightPlan& plan = view->plan()->plan();
        const auto lowest = std::min_element(plan.begin(), plan.end(), [](const PlannedFrame& a, const PlannedFrame& b) {
            return a.record.relativeAltitude < b.record.relativeAltitude;
        });
        QVERIFY(view->profile()->lowestClearance().has_value());
        QCOMPARE(view->profile()->lowestClearance()->frame, lowest->index);
        QCOMPARE(view->profile()->lowestClearance()->height, lowest->record.relativeAltitude);
        const double lowestLow = lowest->record.relativeAltitude;
        // The chart picks the frame under a click.
        QSignalSpy picked(view->profile(), &FlightProfileChart::FramePicked);
        QTest::mouseClick(view->profile(), Qt::LeftButton, {},
                          QPoint(static_cast<int>(view->profile()->XOf(20)), view->profile()->height() / 2));
        QCOMPARE(picked.size(), 1);
        QCOMPARE(picked[0][0].toInt(), 20);
        QCOMPARE(view->currentFrame(), 20);

        // Flying higher: the form's change is planned again once it rests.
        QSignalSpy replanned(view, &CFlightPlanView::PlanShown);
        auto* averageHeight = qobject_cast<QLineEdit*>(s.form->Control(312));
        averageHeight->setText("60");
        QVERIFY(replanned.wait(20000));
        QCOMPARE(view->plan()->values.AverageHeight, 60.0);
        QVERIFY(view->profile()->lowestClearance()->height > lowestLow + 20.0);

        // A value the form refuses keeps the last plan and says why.
        qobject_cast<QLineEdit*>(s.form->Control(412))->setText("99");
        view->Replan();
        QVERIFY(QTest::qWaitFor([&] { return !view->statusText().isEmpty(); }, 20000));
        QCOMPARE(view->plan()->values.AverageHeight, 60.0);
        QVERIFY(s.f.presenter.shown.empty());
    }

    void theFrameShownIsTheOneRenderWrites()
    {
        PlanFixture s;
        CFlightPlanView* view = s.Open();
        QVERIFY(view != nullptr);
        view->slider()->setValue(17);
        QVERIFY(WaitForFrame(view, 17, RenderMode::Final));

        QCOMPARE(cli::RunCommandLine({"--profile", s.f.ProfilePath().toStdString(), "render", s.File("scene.vgs"),
                                      "--frames", "17-17"}),
                 0);
        const std::string written = test::ReadFileBytes(s.File("plan17.tga"));
        QVERIFY(!written.empty());
        QVERIFY(view->framePane()->picture() == PictureOfFile(s.File("plan17.tga")));
        QVERIFY(view->framePane()->picture() != QImage());

        // Render this frame writes the same bytes, and only that frame.
        std::filesystem::remove(s.File("plan17.tga"));
        view->RenderThisFrame();
        DeletePendingWindows();
        QCOMPARE(test::ReadFileBytes(s.File("plan17.tga")), written);
        QVERIFY(!std::filesystem::exists(s.File("plan16.tga")));
        QVERIFY(!std::filesystem::exists(s.File("plan18.tga")));
    }

    void aDragCancelsTheRendersItOutdates()
    {
        PlanFixture s;
        CFlightPlanView* view = s.Open();
        QVERIFY(view != nullptr);
        const FrameRenderThread::Counts before = view->renderer().counts();

        // The first render of the drag is held at its first cancel test, so
        // that the next ten requests pile up behind it.
        view->renderer().mailbox().ArmHold();
        view->slider()->setSliderDown(true);
        view->slider()->setValue(5);
        view->renderer().mailbox().WaitUntilHeld();
        for (int frame = 6; frame <= 15; ++frame) view->slider()->setValue(frame);
        view->renderer().mailbox().Release();
        QVERIFY(WaitForFrame(view, 15, RenderMode::Raw));
        view->slider()->setSliderDown(false);
        QVERIFY(WaitForFrame(view, 15, RenderMode::Final));

        const FrameRenderThread::Counts after = view->renderer().counts();
        QCOMPARE(after.started - before.started, 3);    // 5 held, 15 Raw, 15 Final
        QCOMPARE(after.cancelled - before.cancelled, 1);  // 5, outdated while held
        QCOMPARE(after.replaced - before.replaced, 9);  // 6 to 14 never began
        QCOMPARE(after.finished - before.finished, 2);
    }

    void playShowsEveryFrameInTurnAndRestsOnFinal()
    {
        PlanFixture s;
        CFlightPlanView* view = s.Open();
        QVERIFY(view != nullptr);
        view->slider()->setValue(30);
        QVERIFY(WaitForFrame(view, 30, RenderMode::Final));
        QSignalSpy shown(view, &CFlightPlanView::FrameShown);
        view->Play();
        QVERIFY(view->playing());
        QVERIFY(QTest::qWaitFor([&] { return !view->playing(); }, 60000));  // it stops at the last frame
        QVERIFY(WaitForFrame(view, 38, RenderMode::Final));
        // A tick waits for the frame before it, however slowly frames are drawn.
        QList<int> frames;
        for (const QList<QVariant>& arguments : shown) frames << arguments[0].toInt();
        QCOMPARE(frames, (QList<int>{31, 32, 33, 34, 35, 36, 37, 38, 38}));
        QCOMPARE(shown.back()[1].toInt(), static_cast<int>(RenderMode::Final));
    }

    void closingDuringARenderLeavesNoThreadAndNoFile()
    {
        PlanFixture s;
        const int threadsBefore = ThreadsOfThisProcess();
        QTemporaryDir temp;
        const TempFolderOverride jobTemp(temp.path());
        CFlightPlanView* view = s.Open();
        QVERIFY(view != nullptr);
        view->renderer().mailbox().ArmHold();
        view->slider()->setValue(30);
        view->renderer().mailbox().WaitUntilHeld();
        QVERIFY(!QDir(temp.path()).isEmpty());  // the job's copy of the scene

        qobject_cast<QMdiSubWindow*>(view->parentWidget())->close();
        DeletePendingWindows();
        QCOMPARE(ThreadsOfThisProcess(), threadsBefore);
        QVERIFY(QDir(temp.path()).isEmpty());
        QVERIFY(!std::filesystem::exists(s.File("plan30.tga")));
    }
};

VISTAGON_GUI_TEST(FlightPlanViewTest);

#include "FlightPlanViewTest.moc"
