#include "GuiTestRegistry.h"
#include "scene/CVistagonView.h"
#include "scene/SceneClipboardText.h"
#include "scene/SceneScript.h"
#include "shell/CommandTable.h"
#include "support/FrameFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace vistagon;
using namespace vistagon::gui;

namespace {

QLineEdit* Edit(CVistagonView* form, int id)
{
    return qobject_cast<QLineEdit*>(form->Control(id));
}

void Type(CVistagonView* form, int id, const QString& text)
{
    QLineEdit* edit = Edit(form, id);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// A scene with two path points and a sky colour, which the clipboard text does not carry.
const char* kSceneWithPoints =
    "[Param]\nBeobXA=1.5\nBeobYA=2\nBeobZA=3\nRichtungA=4\nNeigungA=-5\nBrennA=600\nVerkantenA=7\n"
    "BeobXE=8\nBeobYE=9\nBeobZE=10\nRichtungE=11\nNeigungE=-12\nBrennE=130\nVerkantenE=14\n"
    "Bildanzahl=20\nOffset=5\nStartbildNr=2\nEndbildNr=19\nLichtX=0.25\nLichtY=-1\nLichtZ=-2\n"
    "NebelA=1000\nNebelE=2000\nTraegheit=0.5\nAusgabeTGA=1\nAusgabeYUV=1\nAusDateiname=frames/f%04d.tga\n"
    "TDateiVerwenden=1\nTDateiname=tex.tga\nHDateiname=elev.tga\nHDateiSkalaX=2\nHDateiSkalaY=3\n"
    "HDateiSkalaZA=0.2\nHDateiSkalaZE=0.3\nMDateiVerwenden=1\nMaskenDateiName=mask.tga\nAusBreite=400\n"
    "AusHoehe=300\nAusAuflX=64\nAusAuflY=65\nHintergrundVerwenden=1\nGenauRechnen=1\nHintergrund=FF8000\n"
    "Rundflug=1\nPunkt00=10,20\nPunkt01=30,40\nHoeheUeberBoden=12\nVerkantenFaktor=0.7\nVoraussicht=3\nRecorder=1\n";

}  // namespace

class SceneFormTest : public QObject {
    Q_OBJECT
private slots:
    void validationFocusesTheNamedControl()
    {
        guitest::FrameFixture f;
        f.frame->show();
        QVERIFY(QTest::qWaitForWindowActive(f.frame.get()));
        CVistagonView* form = f.frame->NewScene();
        Type(form, 413, "10");
        Type(form, 350, "5");
        Type(form, 412, "3");
        f.frame->action(cmd::kFinal)->trigger();
        QCOMPARE(f.presenter.Texts(),
                 std::vector<std::string>{"Last frame number has to be greater than or equal first frame number."});
        QCOMPARE(f.presenter.shown[0].icon, MessageIcon::Stop);
        QCOMPARE(QApplication::focusWidget(), form->Control(350));
        QCOMPARE(Edit(form, 350)->selectedText(), QString("5"));

        // A curved flight needs more than two frames; the straight one takes them.
        f.presenter.shown.clear();
        Type(form, 350, "0");
        Type(form, 412, "1");
        Type(form, 413, "2");
        QTest::mouseClick(qobject_cast<QRadioButton*>(form->Control(338)), Qt::LeftButton);
        f.frame->action(cmd::kPreview)->trigger();
        QCOMPARE(f.presenter.Texts(),
                 std::vector<std::string>{"Total frame count has to be greater than 2 in curved paths."});
        QCOMPARE(QApplication::focusWidget(), form->Control(413));
        QVERIFY(form->Control(399)->isEnabled());
        QTest::mouseClick(qobject_cast<QRadioButton*>(form->Control(403)), Qt::LeftButton);
        QVERIFY(!form->Control(399)->isEnabled());
        f.presenter.shown.clear();
        f.frame->action(cmd::kPreview)->trigger();
        // Straight: the frame counts pass, the next check is the elevation file.
        QCOMPARE(f.presenter.Texts(), std::vector<std::string>{"Cannot open file ''."});
        QCOMPARE(QApplication::focusWidget(), form->Control(346));
    }

    void acceleratorsReachTheFormFromItsEdits()
    {
        guitest::FrameFixture f;
        f.frame->show();
        QVERIFY(QTest::qWaitForWindowActive(f.frame.get()));
        CVistagonView* form = f.frame->NewScene();
        Type(form, 348, "0");
        QTest::keyClick(Edit(form, 348), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(f.presenter.Texts(), std::vector<std::string>{"Focal length in first frame has to be greater than zero."});
        QTest::keyClick(Edit(form, 348), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(f.presenter.shown.size(), size_t{2});
    }

    void aNonNumberIsRefusedOnItsControl()
    {
        guitest::FrameFixture f;
        f.frame->show();
        QVERIFY(QTest::qWaitForWindowActive(f.frame.get()));
        CVistagonView* form = f.frame->NewScene();
        Type(form, 383, "steep");
        QVERIFY(!form->TakeValues());
        QCOMPARE(f.presenter.Texts(), std::vector<std::string>{"Please enter a number."});
        QCOMPARE(QApplication::focusWidget(), form->Control(383));
    }

    void firstToLastCopiesTheNineValuesAndNothingElse()
    {
        guitest::FrameFixture f;
        f.Write("s.vgs", kSceneWithPoints);
        QVERIFY(f.frame->OpenDocumentFile(f.File("s.vgs")));
        CVistagonView* form = f.frame->CurrentSceneForm();
        QVERIFY(!form->document().IsModified());
        const SceneParameters before = *form->TakeValues();
        f.frame->action(cmd::kFirstToLast)->trigger();
        const SceneParameters after = *form->TakeValues();
        QVERIFY(form->document().IsModified());
        SceneParameters expected = before;
        expected.XZ = 1.5; expected.YZ = 2; expected.ZZ = 3; expected.HeadingZ = 4; expected.PitchZ = -5;
        expected.FocalLengthZ = 600; expected.RollZ = 7; expected.ElevScaleZZ = 0.2; expected.DustZ = 1000;
        QCOMPARE(SceneClipboardText::Format(after), SceneClipboardText::Format(expected));
        QCOMPARE(Edit(form, 349)->text(), QString("600"));

        f.frame->action(cmd::kLastToFirst)->trigger();
        QCOMPARE(SceneClipboardText::Format(*form->TakeValues()), SceneClipboardText::Format(expected));
        Type(form, 330, "99");
        f.frame->action(cmd::kLastToFirst)->trigger();
        QCOMPARE(form->TakeValues()->XA, 99.0);
        QCOMPARE(form->TakeValues()->YA, 2.0);
    }

    void copyThenPasteOnAnotherFormCarriesTheValuesOnly()
    {
        guitest::FrameFixture f;
        QApplication::clipboard()->setText("not a scene");
        f.Write("s.vgs", kSceneWithPoints);
        QVERIFY(f.frame->OpenDocumentFile(f.File("s.vgs")));
        CVistagonView* source = f.frame->CurrentSceneForm();
        CVistagonView* target = f.frame->NewScene();
        target->ApplyPathPoints({{1, 2}});
        QVERIFY(!f.frame->action(cmd::kPaste)->isEnabled());

        f.frame->mdiArea()->setActiveSubWindow(f.frame->mdiArea()->subWindowList().first());
        QCOMPARE(f.frame->ActiveChild(), static_cast<ChildWindow*>(source));
        f.frame->action(cmd::kCopy)->trigger();
        QVERIFY(QApplication::clipboard()->text().startsWith("Vistagon Clipboard Data - VGS\r\n"));
        f.frame->mdiArea()->setActiveSubWindow(f.frame->mdiArea()->subWindowList().last());
        QVERIFY(f.frame->action(cmd::kPaste)->isEnabled());
        target->SetModified(false);
        f.frame->action(cmd::kPaste)->trigger();

        QCOMPARE(SceneClipboardText::Format(*target->TakeValues()), SceneClipboardText::Format(*source->TakeValues()));
        QCOMPARE(Edit(target, 395)->text(), QString("frames/f%04d.tga"));
        QVERIFY(qobject_cast<QRadioButton*>(target->Control(338))->isChecked());
        QVERIFY(target->Control(373)->isEnabled());  // the mask's "Use It" came along
        QVERIFY(target->document().IsModified());
        QCOMPARE(target->values().LastPathPoint, 0);
        QCOMPARE(target->values().PathPoints[0], (PathPoint{1, 2}));
        QCOMPARE(target->values().BackgroundColor, 0u);
        QCOMPARE(source->values().BackgroundColor, 0xFF8000u);

        QApplication::clipboard()->setText("x Vistagon Clipboard Data - VGS\r\n");
        QVERIFY(!f.frame->action(cmd::kPaste)->isEnabled());
    }

    void theCurveIsClosedOrOpenBesideStraightAndCurve()
    {
        guitest::FrameFixture f;
        std::string open = kSceneWithPoints;
        open.replace(open.find("Rundflug=1"), 10, "Rundflug=2");
        f.Write("s.vgs", open.c_str());
        QVERIFY(f.frame->OpenDocumentFile(f.File("s.vgs")));
        CVistagonView* form = f.frame->CurrentSceneForm();
        auto* closed = qobject_cast<QRadioButton*>(form->Control(CVistagonView::kClosedCurveControl));
        auto* opened = qobject_cast<QRadioButton*>(form->Control(CVistagonView::kOpenCurveControl));
        QVERIFY(qobject_cast<QRadioButton*>(form->Control(338))->isChecked());
        QVERIFY(opened->isChecked() && opened->isEnabled());
        QCOMPARE(form->TakeValues()->PathType, SceneParameters::kOpenCurve);
        QCOMPARE(form->PathEnds(), CurveEnds::Open);

        QTest::mouseClick(closed, Qt::LeftButton);
        QVERIFY(form->document().IsModified());
        QCOMPARE(form->TakeValues()->PathType, SceneParameters::kClosedCurve);
        // Straight keeps the choice for later but disables it.
        QTest::mouseClick(qobject_cast<QRadioButton*>(form->Control(403)), Qt::LeftButton);
        QCOMPARE(form->TakeValues()->PathType, SceneParameters::kStraightPath);
        QVERIFY(!closed->isEnabled() && !opened->isEnabled());

        // A track imported in the path editor makes the path a curve with its ends.
        form->ApplyPathEnds(CurveEnds::Open);
        QVERIFY(qobject_cast<QRadioButton*>(form->Control(338))->isChecked());
        QCOMPARE(form->TakeValues()->PathType, SceneParameters::kOpenCurve);
    }

    void saveWritesTheFormAndClosingAsksAboutChanges()
    {
        guitest::FrameFixture f;
        f.Write("elev.tga", "x");
        f.Write("s.vgs", kSceneWithPoints);
        QVERIFY(f.frame->OpenDocumentFile(f.File("s.vgs")));
        CVistagonView* form = f.frame->CurrentSceneForm();
        Type(form, 346, f.File("elev.tga"));
        Type(form, 409, f.File("elev.tga"));
        Type(form, 373, f.File("elev.tga"));
        Type(form, 395, f.File("f%03d.tga"));
        f.frame->action(cmd::kSave)->trigger();
        QCOMPARE(f.presenter.Texts(), std::vector<std::string>{});
        QVERIFY(!form->document().IsModified());
        SceneParameters reread;
        QVERIFY(vistagon::LoadScene(f.File("s.vgs").toStdString(), reread));
        QCOMPARE(SceneClipboardText::Format(reread), SceneClipboardText::Format(*form->TakeValues()));
        QCOMPARE(reread.LastPathPoint, 1);
        QCOMPARE(reread.BackgroundColor, 0xFF8000u);

        // Changed, then closed: No leaves the file as saved.
        Type(form, 329, "77");
        f.presenter.answers = {Answer::Cancel};
        QVERIFY(!form->MayClose());
        f.presenter.answers = {Answer::No};
        QVERIFY(form->MayClose());
        QCOMPARE(f.presenter.shown.back().text, std::string("Save changes to s.vgs?"));
        QVERIFY(vistagon::LoadScene(f.File("s.vgs").toStdString(), reread));
        QCOMPARE(reread.XA, 1.5);
    }

    void closingIsRefusedWhileAJobOrAPathEditorIsOpen()
    {
        guitest::FrameFixture f;
        CVistagonView* form = f.frame->NewScene();
        form->sceneForm().SetJobRunning(true);
        QVERIFY(!f.frame->action(cmd::kFinal)->isEnabled());
        QVERIFY(!f.frame->MayCloseAll());
        QCOMPARE(f.presenter.Texts(), std::vector<std::string>{
            "There is a rendering window around.\nUse \"Calculate | Stop rendering\" or \"File | Close\" on that one first."});
        QVERIFY(!f.frame->mdiArea()->subWindowList().first()->close());
        form->sceneForm().SetJobRunning(false);
        QVERIFY(f.frame->action(cmd::kFinal)->isEnabled());
        QVERIFY(f.frame->MayCloseAll());
    }
};

VISTAGON_GUI_TEST(SceneFormTest);
#include "SceneFormTest.moc"
