#include "GuiTestRegistry.h"
#include "pathedit/CPathView.h"
#include "scene/CVistagonView.h"
#include "shell/CommandTable.h"
#include "support/FrameFixture.h"
#include "convert/ConvertTestSupport.h"

#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using namespace vistagon;
using namespace vistagon::gui;

namespace {

const std::string kEditorOpen =
    "For this VGS file there is a flight path setting window active.\nUse \"File | Apply\" or \"File | Close\" on that one first.";
const std::string kPathChanged = "The flight path has been changed.\nSave the new flight path?";

// A saved curved scene on a 120 x 90 picture, opened in the frame, unmodified.
struct CurvedScene {
    CurvedScene()
    {
        guitest::WriteTga(f.File("elev.tga"), 120, 90, [](int, int) { return guitest::Pixel{100, 100, 100}; });
        f.Write("s.vgs", "[Param]\nBeobXA=1\nRundflug=1\nBildanzahl=10\nHDateiname=" + f.File("elev.tga").toUtf8() +
                             "\nPunkt00=10,20\nPunkt01=30,40\n");
        f.frame->resize(1000, 800);
        f.frame->show();
        opened = f.frame->OpenDocumentFile(f.File("s.vgs"));
        form = f.frame->CurrentSceneForm();
    }

    void PressSet() { qobject_cast<QPushButton*>(form->Control(399))->click(); }

    CPathView* Editor() const
    {
        for (QMdiSubWindow* window : f.frame->mdiArea()->subWindowList())
            if (auto* view = qobject_cast<CPathView*>(window->widget())) return view;
        return nullptr;
    }

    void ClickInEditor(QPoint at) const
    {
        QWidget* viewport = Editor()->viewport();
        QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(viewport, &press);
        QApplication::sendEvent(viewport, &release);
    }

    int WindowCount() const { return static_cast<int>(f.frame->mdiArea()->subWindowList().size()); }

    guitest::FrameFixture f;
    bool opened = false;
    CVistagonView* form = nullptr;
};

void DeletePendingWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class PathEditorFormTest : public QObject {
    Q_OBJECT
private slots:
    void aSecondEditorIsRefusedAndExitNeverPassesTheScenesQuestion()
    {
        CurvedScene s;
        QVERIFY(s.opened);
        s.PressSet();
        QCOMPARE(s.WindowCount(), 2);
        QVERIFY(s.form->PathEditorOpen());
        s.ClickInEditor({80, 70});
        QCOMPARE(s.Editor()->points().size(), size_t{3});

        // A second "Set..." would open the form's old points and hand them back over the new ones.
        s.f.frame->mdiArea()->setActiveSubWindow(s.f.frame->mdiArea()->subWindowList().first());
        s.PressSet();
        QCOMPARE(s.WindowCount(), 2);
        QCOMPARE(s.f.presenter.Texts(), std::vector<std::string>{kEditorOpen});
        QCOMPARE(s.f.presenter.shown.back().icon, MessageIcon::Stop);

        // Exit with the editor open: the scene refuses before any question is asked.
        s.f.presenter.shown.clear();
        QVERIFY(!s.f.frame->close());
        QCOMPARE(s.f.presenter.Texts(), std::vector<std::string>{kEditorOpen});
        QCOMPARE(s.WindowCount(), 2);

        // The editor closed by its own question: Yes hands the points over; the scene then asks.
        s.f.presenter.shown.clear();
        s.f.presenter.answers = {Answer::Yes};
        QVERIFY(s.Editor()->parentWidget()->close());
        DeletePendingWindows();
        QVERIFY(!s.form->PathEditorOpen());
        QCOMPARE(s.form->values().LastPathPoint, 2);
        QVERIFY(s.form->document().IsModified());
        s.f.presenter.answers = {Answer::Cancel};
        QVERIFY(!s.f.frame->close());
        QCOMPARE(s.f.presenter.Texts(), (std::vector<std::string>{kPathChanged, "Save changes to s.vgs?"}));
        QCOMPARE(s.WindowCount(), 1);
        s.f.presenter.answers = {Answer::No};
        QVERIFY(s.f.frame->close());
    }

    void applyShowsTheModifiedMarkInTheScenesTitles()
    {
        CurvedScene s;
        QVERIFY(s.opened);
        QCOMPARE(s.f.frame->windowTitle(), QString("s.vgs[*] - Vistagon"));
        QVERIFY(!s.f.frame->isWindowModified());
        s.PressSet();
        s.ClickInEditor({80, 70});
        QVERIFY(s.Editor()->isWindowModified());
        s.f.frame->action(cmd::kApply)->trigger();
        DeletePendingWindows();
        QCOMPARE(s.WindowCount(), 1);
        QCOMPARE(s.f.frame->ActiveChild(), static_cast<ChildWindow*>(s.form));
        QVERIFY(s.form->document().IsModified());
        QVERIFY(s.form->isWindowModified());
        QVERIFY(s.f.frame->mdiArea()->currentSubWindow()->isWindowModified());
        QCOMPARE(s.f.frame->windowTitle(), QString("s.vgs[*] - Vistagon"));
        QVERIFY(s.f.frame->isWindowModified());
    }
};

VISTAGON_GUI_TEST(PathEditorFormTest);
#include "PathEditorFormTest.moc"
