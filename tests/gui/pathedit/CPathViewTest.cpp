#include "GuiTestRegistry.h"
#include "image/TestShell.h"
#include "pathedit/CPathView.h"
#include "pathedit/PathEditorLauncher.h"
#include "scene/PathClipboardText.h"
#include "support/ScriptedInteraction.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <tuple>

using namespace vistagon;
using namespace vistagon::gui;

namespace {

class RecordingClient : public PathEditorClient {
public:
    void ApplyPathPoints(const std::vector<PathPoint>& points) override { applied.push_back(points); }
    void PathEditorClosed() override { ++closed; }

    std::vector<std::vector<PathPoint>> applied;
    int closed = 0;
};

void Send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void Click(CPathView& view, QPoint at)
{
    Send(view.viewport(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    Send(view.viewport(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

// A gray 200 x 150 picture (white unless said) and an editor on it, shown at 1:1 without scrolling.
struct Editor {
    explicit Editor(int border = 0, int gray = 255) : shell(t.dir.File("profile.ini"))
    {
        t.context.profile.WriteInt("FlightPath", "BorderWidth", border);
        CTGAFile picture(t.context);
        picture.CreateImage(200, 150);
        picture.FillGray(gray);
        picture.OnSaveDocument(t.dir.File("picture.tga"));
        view = new CPathView(shell, client);
        opened = view->Open(QString::fromStdString(t.dir.File("picture.tga")), {});
        window = shell.AddChildWindow(view);
        window->resize(700, 600);
    }

    test::TestContext t;
    RecordingClient client;  // outlives the editor, as the scene form does
    guitest::TestShell shell;
    CPathView* view = nullptr;
    QMdiSubWindow* window = nullptr;
    bool opened = false;
};

}  // namespace

class CPathViewTest : public QObject {
    Q_OBJECT
private slots:
    void clickAddsAndClickOnAPointDeletesAndRenumbers()
    {
        Editor e;
        QVERIFY(e.opened);
        Click(*e.view, {10, 10});
        Click(*e.view, {50, 20});
        Click(*e.view, {90, 30});
        QCOMPARE(e.view->points(), (std::vector<PathPoint>{{10, 10}, {50, 20}, {90, 30}}));
        QVERIFY(e.view->document().IsModified());
        Click(*e.view, {53, 16});  // within 4 screen pixels of point 1
        QCOMPARE(e.view->points(), (std::vector<PathPoint>{{10, 10}, {90, 30}}));
        QCOMPARE(e.view->HitTest({90, 30}), 1);
        // Outside the canvas nothing happens.
        Click(*e.view, {650, 500});
        QCOMPARE(e.view->points().size(), size_t{2});
    }

    void pressingOnEmptyPictureAndMovingOverAPointDragsIt()
    {
        Editor e;
        Click(*e.view, {100, 100});
        QWidget* viewport = e.view->viewport();
        Send(viewport, QEvent::MouseButtonPress, {60, 100}, Qt::LeftButton, Qt::LeftButton);
        Send(viewport, QEvent::MouseMove, {80, 100}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(e.view->points(), (std::vector<PathPoint>{{100, 100}}));
        Send(viewport, QEvent::MouseMove, {98, 101}, Qt::NoButton, Qt::LeftButton);  // picks it up
        Send(viewport, QEvent::MouseMove, {140, 60}, Qt::NoButton, Qt::LeftButton);
        Send(viewport, QEvent::MouseButtonRelease, {140, 60}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(e.view->points(), (std::vector<PathPoint>{{140, 60}}));
        // The drag is over: the next click adds.
        Click(*e.view, {20, 20});
        QCOMPARE(e.view->points().size(), size_t{2});
    }

    void theHitSquareIsNineScreenPixelsAtEveryZoom()
    {
        Editor e;
        Click(*e.view, {80, 80});
        e.view->ZoomOut();
        e.view->ZoomOut();
        e.view->ZoomOut();  // 1/8: the point is at window (10, 10)
        QCOMPARE(e.view->HitTest({14, 6}), 0);
        QCOMPARE(e.view->HitTest({15, 10}), -1);
        e.view->ZoomOneToOne();
        e.view->ZoomIn();  // 2: at (160, 160)
        QCOMPARE(e.view->HitTest({156, 164}), 0);
        QCOMPARE(e.view->HitTest({155, 160}), -1);
    }

    void borderOfTwentyStoresTheTopLeftPixelAsOriginAndCopiesItAsTwenty()
    {
        Editor e(20);
        Click(*e.view, {20, 20});
        e.view->CopyPoints();
        QCOMPARE(QApplication::clipboard()->text(), QString("Vistagon Clipboard Data - Path\r\n0\t20\t20\r\n"));
        e.view->Apply();
        QCOMPARE(e.client.applied, (std::vector<std::vector<PathPoint>>{{{0, 0}}}));
        QCOMPARE(e.shell.presenter.shown.size(), size_t{0});  // Apply closes without a question
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(e.client.closed, 1);
    }

    void twoPointsDrawNoCurveAndTheThirdDoes()
    {
        Editor e;
        Click(*e.view, {20, 20});
        Click(*e.view, {150, 30});
        QVERIFY(e.view->CurveScreenPoints().empty());
        Click(*e.view, {80, 120});
        const std::vector<QPoint> curve = e.view->CurveScreenPoints();
        QCOMPARE(curve.size(), size_t{CPathView::kTotal - 1});
        // The loop starts on the first point (up to the truncation of the curve's doubles).
        QVERIFY((curve.front() - QPoint(20, 20)).manhattanLength() <= 2);
    }

    void theCurveIsDrawnNotXorSoThatItShowsOnEveryPicture()
    {
        // Drawn solid, a curve in the picture's own colour would not show at all.
        for (const auto& [gray, colour, expected] : {std::tuple{128, "808080", QColor(255, 255, 255)},
                                                     std::tuple{64, "C000C0", QColor(127, 191, 127)}}) {
            Editor e(0, gray);
            e.t.context.profile.WriteString("FlightPath", "Color", colour);
            for (const QPoint at : {QPoint(30, 30), QPoint(170, 40), QPoint(100, 130)}) Click(*e.view, at);
            const QImage shown = e.view->viewport()->grab().toImage();
            const std::vector<QPoint> curve = e.view->CurveScreenPoints();
            QVERIFY(curve.size() > 100);
            int checked = 0;
            for (const QPoint p : curve) {
                // Away from the markers, which the curve passes through.
                const bool nearMarker = std::any_of(e.view->points().begin(), e.view->points().end(), [&](const PathPoint& m) {
                    return std::abs(m.x - p.x()) <= CPathView::kMarkerRadius + 2 && std::abs(m.y - p.y()) <= CPathView::kMarkerRadius + 2;
                });
                if (nearMarker || p == curve.back()) continue;
                QCOMPARE(shown.pixelColor(p), expected);
                ++checked;
            }
            QVERIFY(checked > 50);
            // The picture beside the curve keeps its own colour.
            QCOMPARE(shown.pixelColor(5, 145), QColor(gray, gray, gray));
        }
    }

    void copyThenPasteGivesTheSamePointsAndMarksModified()
    {
        Editor e;
        Click(*e.view, {20, 20});
        Click(*e.view, {150, 30});
        e.view->document().SetModified(false);
        e.view->Execute(Command::Copy);
        QVERIFY(e.view->IsEnabled(Command::Paste));
        const std::vector<PathPoint> before = e.view->points();
        e.view->Execute(Command::Paste);
        QCOMPARE(e.view->points(), before);
        QVERIFY(e.view->document().IsModified());
        QApplication::clipboard()->setText("no path here");
        QVERIFY(!e.view->IsEnabled(Command::Paste));
        e.view->PastePoints();
        QCOMPARE(e.view->points(), before);
    }

    void theHundredAndFirstPointIsRefused()
    {
        Editor e;
        std::vector<PathPoint> many;
        for (int i = 0; i < 101; ++i) many.push_back({i, i});
        QApplication::clipboard()->setText(QString::fromStdString(FormatPathClipboardText(many)));
        e.view->PastePoints();
        QVERIFY(e.view->points().empty());
        QVERIFY(!e.shell.statusMessage.isEmpty());
        many.pop_back();
        QApplication::clipboard()->setText(QString::fromStdString(FormatPathClipboardText(many)));
        e.view->PastePoints();
        QCOMPARE(e.view->points().size(), size_t{100});
        e.shell.statusMessage.clear();
        Click(*e.view, {180, 20});
        QCOMPARE(e.view->points().size(), size_t{100});
        QCOMPARE(e.shell.statusMessage, QString("A flight path has at most 100 points."));
    }

    void closingAChangedPathAsksAndCancelKeepsTheWindow()
    {
        Editor e;
        Click(*e.view, {30, 30});
        e.shell.presenter.answers = {Answer::Cancel, Answer::Yes};
        QVERIFY(!e.window->close());
        QCOMPARE(e.shell.presenter.Texts(),
                 std::vector<std::string>{"The flight path has been changed.\nSave the new flight path?"});
        QVERIFY(e.client.applied.empty());
        QVERIFY(e.window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(e.client.applied, (std::vector<std::vector<PathPoint>>{{{30, 30}}}));
        QCOMPARE(e.client.closed, 1);
    }

    void theFormsPointsArriveWithTheBorderAndAMissingPictureOpensNothing()
    {
        test::TestContext t;
        RecordingClient client;
        guitest::TestShell shell(t.dir.File("profile.ini"));
        QVERIFY(!OpenPathEditor(shell, QString::fromStdString(t.dir.File("none.tga")), {{1, 2}}, client));
        QVERIFY(shell.area->subWindowList().isEmpty());
        QCOMPARE(client.closed, 0);

        Editor e(5);
        QVERIFY(OpenPathEditor(e.shell, QString::fromStdString(e.t.dir.File("picture.tga")), {{1, 2}, {3, 4}},
                               e.client));
        auto* view = qobject_cast<CPathView*>(e.shell.area->subWindowList().back()->widget());
        QCOMPARE(view->points(), (std::vector<PathPoint>{{6, 7}, {8, 9}}));
        QVERIFY(!view->document().IsModified());
        QCOMPARE(view->Kind(), WindowKind::PathEditor);
    }
};

VISTAGON_GUI_TEST(CPathViewTest);
#include "CPathViewTest.moc"
