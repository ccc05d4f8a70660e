#include "GuiTestRegistry.h"
#include "image/CTGAView.h"
#include "image/ImagePrinting.h"
#include "image/ImageWindows.h"
#include "image/RasterPainter.h"
#include "image/TestShell.h"
#include "support/ScriptedInteraction.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPdfWriter>
#include <QScrollBar>
#include <QTest>

using namespace vistagon;
using namespace vistagon::gui;

namespace {

using test::ReadFileBytes;

// A picture whose every pixel differs from its neighbours: (x, y upward) gives
// blue x, green y, red x + y.
void WritePattern(AppContext& context, const std::string& path, int width, int height)
{
    CTGAFile image(context);
    QVERIFY(image.CreateImage(width, height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Bgr colour{static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>(x + y)};
            image.SetDrawColor(&colour);
            image.SetPixel(x, y);
        }
    QVERIFY(image.OnSaveDocument(path));
}

void MoveMouse(CTGAView& view, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, view.viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &move);
}

}  // namespace

class CTGAViewTest : public QObject {
    Q_OBJECT
private slots:
    void zoomStopsAtTwoAndAtAnEighth()
    {
        test::TestContext t;
        WritePattern(t.context, t.dir.File("p.tga"), 100, 100);
        guitest::TestShell shell(t.dir.File("profile.ini"));
        CTGAView view(shell);
        QVERIFY(view.OpenDocument(QString::fromStdString(t.dir.File("p.tga"))));
        view.resize(60, 60);
        view.show();
        view.ZoomIn();
        QCOMPARE(view.zoom(), 1);
        const int rangeAtTwo = view.horizontalScrollBar()->maximum();
        view.ZoomIn();
        QCOMPARE(view.zoom(), 1);
        QCOMPARE(view.horizontalScrollBar()->maximum(), rangeAtTwo);
        view.ZoomOneToOne();
        for (int i = 0; i < 4; ++i) view.Execute(Command::ZoomOut);
        QCOMPARE(view.zoom(), -3);
        // 100 / 8 pixels fit the window: nothing to scroll.
        QCOMPARE(view.horizontalScrollBar()->maximum(), 0);
        QVERIFY(rangeAtTwo > 100);
    }

    void readoutAtMagnificationTwo()
    {
        test::TestContext t;
        WritePattern(t.context, t.dir.File("p.tga"), 100, 100);
        guitest::TestShell shell(t.dir.File("profile.ini"));
        CTGAView view(shell);
        QVERIFY(view.OpenDocument(QString::fromStdString(t.dir.File("p.tga"))));
        view.resize(400, 400);
        view.show();
        view.ZoomIn();
        MoveMouse(view, {10, 10});
        QCOMPARE(shell.positionText, QString("5/94"));
        MoveMouse(view, {0, 199});  // the lowest picture row
        QCOMPARE(shell.positionText, QString("0/0"));
        MoveMouse(view, {201, 10});  // past the right edge
        QCOMPARE(shell.positionText, QString());
    }

    void copyThenPasteKeepsTheImageAndMarksItModified()
    {
        test::TestContext t;
        const std::string original = t.dir.File("p.tga");
        WritePattern(t.context, original, 37, 21);  // rows padded to four bytes
        guitest::TestShell shell(t.dir.File("profile.ini"));
        CTGAView view(shell);
        QVERIFY(view.OpenDocument(QString::fromStdString(original)));
        QVERIFY(!view.document().IsModified());
        view.Execute(Command::Copy);
        QVERIFY(view.IsEnabled(Command::Paste));
        view.Execute(Command::Paste);
        QVERIFY(view.document().IsModified());
        const std::string copy = t.dir.File("copy.tga");
        QVERIFY(view.SaveDocumentAs(QString::fromStdString(copy)));
        QVERIFY(!view.document().IsModified());
        QCOMPARE(ReadFileBytes(copy), ReadFileBytes(original));
        QCOMPARE(view.DocumentPath(), QString::fromStdString(copy));
    }

    void pasteTurnsAnyPictureIntoTwentyFourBitsAndRefusesTooLargeOnes()
    {
        test::TestContext t;
        WritePattern(t.context, t.dir.File("p.tga"), 8, 8);
        guitest::TestShell shell(t.dir.File("profile.ini"));
        CTGAView view(shell);
        QVERIFY(view.OpenDocument(QString::fromStdString(t.dir.File("p.tga"))));
        QImage wide(65536, 1, QImage::Format_RGB32);
        wide.fill(Qt::red);
        QApplication::clipboard()->setImage(wide);
        view.Execute(Command::Paste);
        QCOMPARE(shell.presenter.Texts(), std::vector<std::string>{"TGA file is too large."});
        QCOMPARE(view.document().GetWidth(), 8);
        QVERIFY(!view.document().IsModified());

        QImage indexed(3, 2, QImage::Format_Indexed8);
        indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 50)});
        indexed.fill(0);
        indexed.setPixel(2, 0, 1);  // top right
        QApplication::clipboard()->setImage(indexed);
        view.Execute(Command::Paste);
        QCOMPARE(view.document().GetWidth(), 3);
        QCOMPARE(view.document().GetHeight(), 2);
        QCOMPARE(view.document().GetPixel(2, 1), (Bgr{50, 100, 200}));
        QCOMPARE(view.document().GetPixel(0, 0), (Bgr{30, 20, 10}));
    }

    void saveAsYuvWritesTheEngineYuvAndTheTgaStaysAsItWas()
    {
        test::TestContext t;
        const std::string original = t.dir.File("p.tga");
        WritePattern(t.context, original, 6, 4);
        const std::string before = ReadFileBytes(original);
        guitest::TestShell shell(t.dir.File("profile.ini"));
        CTGAView view(shell);
        QVERIFY(view.OpenDocument(QString::fromStdString(original)));
        QVERIFY(view.SaveDocumentAs(QString::fromStdString(t.dir.File("p.yuv"))));
        QCOMPARE(ReadFileBytes(original), before);
        CTGAFile engine(t.context);
        QVERIFY(engine.OnOpenDocument(original));
        QVERIFY(engine.WriteYuv(t.dir.File("engine.yuv")));
        QCOMPARE(ReadFileBytes(t.dir.File("p.yuv")).size(), size_t{36});
        QCOMPARE(ReadFileBytes(t.dir.File("p.yuv")), ReadFileBytes(t.dir.File("engine.yuv")));
    }

    void paintsUprightWithAWhiteBorderAndOnlyTheAskedPart()
    {
        test::TestContext t;
        CTGAFile image(t.context);
        QVERIFY(image.CreateImage(2, 2));
        const Bgr red{0, 0, 255};
        const Bgr blue{255, 0, 0};
        image.SetDrawColor(&red);
        image.SetPixel(0, 0);
        image.SetPixel(1, 0);
        image.SetDrawColor(&blue);
        image.SetPixel(0, 1);
        image.SetPixel(1, 1);
        const QImage upright = RasterPainter::Part(image, QRect(0, 0, 2, 2), 1.0, 1.0);
        QCOMPARE(upright.pixel(0, 0), qRgb(0, 0, 255));  // the top row is the last stored row
        QCOMPARE(upright.pixel(1, 1), qRgb(255, 0, 0));
        // At magnification 2 with a border of 1, canvas pixel 1 begins at screen pixel 2.
        const QImage part = RasterPainter::Part(image, QRect(1, 1, 4, 4), 2.0, 2.0, 1);
        QCOMPARE(part.size(), QSize(4, 4));
        QCOMPARE(part.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(part.pixel(1, 1), qRgb(0, 0, 255));
        QCOMPARE(part.pixel(3, 3), qRgb(255, 0, 0));
        QCOMPARE(part.pixel(3, 0), qRgb(255, 255, 255));
    }

    void printsOnePageAsWideAsThePageWithSquarePixels()
    {
        // 200 x 100 pixels on a page 4800 dots wide at 600 x 300 dpi: 1200 dots high.
        QCOMPARE(PrintedHeight(4800, 600, 300, 200, 100), 1200LL);
        QCOMPARE(PrintedHeight(4800, 600, 600, 200, 100), 2400LL);
        test::TestContext t;
        WritePattern(t.context, t.dir.File("p.tga"), 64, 32);
        CTGAFile image(t.context);
        QVERIFY(image.OnOpenDocument(t.dir.File("p.tga")));
        const QString pdf = QString::fromStdString(t.dir.File("p.pdf"));
        {
            QPdfWriter writer(pdf);
            writer.setResolution(150);
            PrintImage(writer, image);
        }
        const std::string bytes = ReadFileBytes(pdf.toStdString());
        QVERIFY(bytes.rfind("%PDF", 0) == 0);
        QCOMPARE(QString::fromStdString(bytes).count("/Type /Page\n"), 1);
    }

    void aChangedImageAsksBeforeItCloses()
    {
        test::TestContext t;
        const std::string path = t.dir.File("p.tga");
        WritePattern(t.context, path, 4, 4);
        const std::string before = ReadFileBytes(path);
        guitest::TestShell shell(t.dir.File("profile.ini"));
        QVERIFY(OpenImageWindow(shell, QString::fromStdString(path)));
        QMdiSubWindow* window = shell.area->subWindowList().front();
        auto* view = qobject_cast<CTGAView*>(window->widget());
        QImage red(2, 2, QImage::Format_RGB32);
        red.fill(Qt::red);
        QApplication::clipboard()->setImage(red);
        view->Execute(Command::Paste);
        shell.presenter.answers = {Answer::Cancel, Answer::No};
        QVERIFY(!window->close());
        QVERIFY(window->close());
        QCOMPARE(shell.presenter.Texts(), std::vector<std::string>(2, "Save changes to p.tga?"));
        QCOMPARE(ReadFileBytes(path), before);
    }

    void openImageWindowRefusesAMissingFile()
    {
        test::TestContext t;
        guitest::TestShell shell(t.dir.File("profile.ini"));
        QVERIFY(!OpenImageWindow(shell, QString::fromStdString(t.dir.File("missing.tga"))));
        QVERIFY(shell.area->subWindowList().isEmpty());
        QVERIFY(!shell.presenter.shown.empty());
        WritePattern(t.context, t.dir.File("p.tga"), 4, 4);
        QVERIFY(OpenImageWindow(shell, QString::fromStdString(t.dir.File("p.tga"))));
        QCOMPARE(shell.area->subWindowList().size(), 1);
    }
};

VISTAGON_GUI_TEST(CTGAViewTest);
#include "CTGAViewTest.moc"
