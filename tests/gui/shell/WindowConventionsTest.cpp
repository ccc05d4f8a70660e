#include "DemoScenes.h"
#include "DemoTerrain.h"
#include "GuiTestRegistry.h"
#include "image/CTGAView.h"
#include "rendering/CRenderingView.h"
#include "scene/CVistagonView.h"
#include "scene/SceneScript.h"
#include "shell/CommandTable.h"
#include "support/FrameFixture.h"
#include "support/ScriptedInteraction.h"
#include "convert/ConvertTestSupport.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <memory>

using namespace vistagon;
using namespace vistagon::gui;

namespace {

// Every title a window settles on, in order: once for a run of the same, and
// without the name a maximised sub-window adds for a moment before the frame takes it out.
class TitleRecorder : public QObject {
public:
    explicit TitleRecorder(QWidget& window) : window_(window)
    {
        Record();
        window.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowTitleChange) Record();
        return false;
    }
    void Record()
    {
        const QString title = window_.windowTitle();
        if (!title.contains(" - [") && (titles.isEmpty() || titles.back() != title)) titles << title;
    }
    QStringList titles;

private:
    QWidget& window_;
};

void WriteGrayTga(const QString& path, int width, int height)
{
    guitest::WriteTga(path, width, height, [](int, int) { return guitest::Pixel{90, 90, 90}; });
}

QMenu* MenuTitled(CMainFrame& frame, const QString& title)
{
    for (QAction* action : frame.menuBar()->actions())
        if (action->text() == title) return action->menu();
    return nullptr;
}

// The window entries below Cascade, Tile and Arrange Icons, as the menu shows them on opening.
QList<QAction*> WindowEntries(CMainFrame& frame)
{
    QMenu* menu = MenuTitled(frame, "&Window");
    if (menu == nullptr) return {};
    emit menu->aboutToShow();
    QList<QAction*> entries;
    for (QAction* action : menu->actions())
        if (action->isCheckable()) entries << action;
    return entries;
}

CTGAView* ActiveImage(CMainFrame& frame)
{
    return qobject_cast<CTGAView*>(frame.mdiArea()->currentSubWindow()->widget());
}

void MoveMouse(QWidget* viewport, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}

}  // namespace

class WindowConventionsTest : public QObject {
    Q_OBJECT
private slots:
    void theFrameIsTitledWithTheActiveDocumentOnceAndItsMark()
    {
        guitest::FrameFixture f;
        f.frame->show();
        QCOMPARE(f.frame->windowTitle(), QString("Vistagon"));
        f.Write("still.vgs", "[Param]\nBeobXA=1\n");
        QVERIFY(f.frame->OpenDocumentFile(f.File("still.vgs")));
        // The form opens maximised, where a sub-window would add its name to the frame's title a second time.
        QVERIFY(f.frame->mdiArea()->currentSubWindow()->isMaximized());
        QCOMPARE(f.frame->windowTitle(), QString("still.vgs[*] - Vistagon"));
        QVERIFY(!f.frame->isWindowModified());
        auto* x = qobject_cast<QLineEdit*>(f.frame->CurrentSceneForm()->Control(329));
        x->setText("5");
        QVERIFY(f.frame->isWindowModified());

        WriteGrayTga(f.File("i.tga"), 40, 30);
        QVERIFY(f.frame->OpenDocumentFile(f.File("i.tga")));
        QCOMPARE(f.frame->windowTitle(), QString("i.tga[*] - Vistagon"));
        QVERIFY(!f.frame->isWindowModified());
        QCOMPARE(ActiveImage(*f.frame)->windowTitle(), QString("i.tga[*]"));
        f.frame->mdiArea()->activatePreviousSubWindow();
        QCOMPARE(f.frame->windowTitle(), QString("still.vgs[*] - Vistagon"));
        QVERIFY(f.frame->isWindowModified());
    }

    void theWindowMenuListsTheOpenWindowsWithTheActiveOneChecked()
    {
        guitest::FrameFixture f;
        f.frame->show();
        f.Write("a.vgs", "[Param]\nBeobXA=1\n");
        WriteGrayTga(f.File("b.tga"), 40, 30);
        QVERIFY(f.frame->OpenDocumentFile(f.File("a.vgs")));
        QVERIFY(f.frame->OpenDocumentFile(f.File("b.tga")));
        QMenu* menu = MenuTitled(*f.frame, "&Window");
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->actions().mid(0, 3), (QList<QAction*>{f.frame->action(cmd::kCascade), f.frame->action(cmd::kTile),
                                                             f.frame->action(cmd::kArrange)}));
        QList<QAction*> entries = WindowEntries(*f.frame);
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0]->text(), QString("&1 a.vgs"));
        QCOMPARE(entries[1]->text(), QString("&2 b.tga"));
        QVERIFY(!entries[0]->isChecked());
        QVERIFY(entries[1]->isChecked());

        entries[0]->trigger();
        QCOMPARE(f.frame->ActiveChild(), static_cast<ChildWindow*>(f.frame->CurrentSceneForm()));
        qobject_cast<QLineEdit*>(f.frame->CurrentSceneForm()->Control(329))->setText("5");
        entries = WindowEntries(*f.frame);
        QCOMPARE(entries[0]->text(), QString("&1 a.vgs*"));
        QVERIFY(entries[0]->isChecked());
        QVERIFY(!entries[1]->isChecked());
        QCOMPARE(entries.size(), 2);  // listed afresh, not once more
    }

    void thePanesShowTheActiveWindowsZoomAndNoStalePosition()
    {
        guitest::FrameFixture f;
        f.frame->show();
        WriteGrayTga(f.File("i.tga"), 40, 30);
        f.Write("s.vgs", "[Param]\nBeobXA=1\n");
        QVERIFY(f.frame->OpenDocumentFile(f.File("i.tga")));
        QCOMPARE(f.frame->ZoomPaneText(), QString("1:1"));
        f.frame->action(cmd::kZoomOut)->trigger();
        QCOMPARE(f.frame->ZoomPaneText(), QString("1:2"));
        f.frame->action(cmd::kZoomOut)->trigger();
        f.frame->action(cmd::kZoomOut)->trigger();
        QCOMPARE(f.frame->ZoomPaneText(), QString("1:8"));
        f.frame->action(cmd::kZoomOne)->trigger();
        f.frame->action(cmd::kZoomIn)->trigger();
        QCOMPARE(f.frame->ZoomPaneText(), QString("2:1"));

        QWidget* viewport = ActiveImage(*f.frame)->viewport();
        MoveMouse(viewport, {10, 10});
        QCOMPARE(f.frame->PositionText(), QString("5/24"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(viewport, &leave);
        QCOMPARE(f.frame->PositionText(), QString());

        // A scene form has no magnification; the image's comes back with its window.
        MoveMouse(viewport, {10, 10});
        QVERIFY(f.frame->OpenDocumentFile(f.File("s.vgs")));
        QCOMPARE(f.frame->ZoomPaneText(), QString());
        QCOMPARE(f.frame->PositionText(), QString());
        f.frame->mdiArea()->activatePreviousSubWindow();
        QCOMPARE(f.frame->ZoomPaneText(), QString("2:1"));
        MoveMouse(viewport, {10, 10});
        QVERIFY(f.frame->mdiArea()->currentSubWindow()->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(f.frame->PositionText(), QString());
    }

    void duringARenderTheTitlesNameTheFrameBeingDrawn()
    {
        test::TestContext t;
        guitest::FrameFixture f;
        f.frame->show();
        const cli::DemoTerrain terrain(6, 3);
        QVERIFY(terrain.WriteElevation(t.context, f.File("terrain.tga").toStdString()));
        // The demo's still, untextured, small and drawn three times.
        SceneParameters scene = cli::DemoStill();
        scene.ElevationFileName = f.File("terrain.tga").toStdString();
        scene.UseTextureFile = 0;
        scene.SizeX = 32;
        scene.SizeY = 24;
        scene.GridX = scene.GridY = 64;
        scene.Total = 3;
        scene.To = 2;
        scene.OutputFileName = f.File("t%02d.tga").toStdString();
        WriteScene(scene, f.File("fly.vgs").toStdString());
        QVERIFY(f.frame->OpenDocumentFile(f.File("fly.vgs")));

        TitleRecorder frameTitles(*f.frame);
        std::unique_ptr<TitleRecorder> viewTitles;
        QObject::connect(f.frame->mdiArea(), &QMdiArea::subWindowActivated, [&](QMdiSubWindow* window) {
            if (auto* view = window ? qobject_cast<CRenderingView*>(window->widget()) : nullptr; view && !viewTitles)
                viewTitles = std::make_unique<TitleRecorder>(*view);
        });
        f.frame->CurrentSceneForm()->RunCalculate(RenderMode::Raw);
        QVERIFY(viewTitles != nullptr);
        QCOMPARE(ActiveImage(*f.frame)->windowTitle(), QString("t02.tga"));
        QCOMPARE(f.frame->windowTitle(), QString("t02.tga - Vistagon"));
        // Named after the first frame from the start, then after each the window went on to.
        QCOMPARE(viewTitles->titles.front(), QString("t00.tga"));
        QStringList followed;
        for (const QString& title : viewTitles->titles) followed << title + " - Vistagon";
        QCOMPARE(frameTitles.titles.mid(frameTitles.titles.indexOf("t00.tga - Vistagon")), followed);
    }
};

VISTAGON_GUI_TEST(WindowConventionsTest);
#include "WindowConventionsTest.moc"
