#include "GuiTestRegistry.h"
#include "platform/FileError.h"
#include "help/CHelpViewer.h"
#include "scene/CVistagonView.h"
#include "shell/CommandLine.h"
#include "shell/CommandTable.h"
#include "shell/ExceptionReport.h"
#include "shell/FileDialogs.h"
#include "shell/RecentFileList.h"
#include "shell/WindowPlacement.h"
#include "support/FrameFixture.h"

#include <QDir>
#include <QFileDialog>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <cerrno>

using namespace vistagon;
using namespace vistagon::gui;

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void modeWordsInAnyCaseWithOrWithoutAPrefix()
    {
        const CommandLine line = CommandLine::Parse({"/final", "scene.vgs", "-RAW", "--profile", "p.ini"});
        QCOMPARE(line.batchMode, std::optional(RenderMode::Raw));  // the last one wins
        QCOMPARE(line.document, QString("scene.vgs"));
        QCOMPARE(line.profile, std::optional<std::string>("p.ini"));
        QCOMPARE(CommandLine::Parse({"Preview"}).batchMode, std::optional(RenderMode::Preview));
        QCOMPARE(CommandLine::Parse({"/p", "/scenes/b.vgs", "c.vgs"}).document, QString("/scenes/b.vgs"));
        QVERIFY(!CommandLine::Parse({"finals", "/finally"}).batchMode);
    }

    void windowPosNeedsExactlyTenNumbers()
    {
        QVERIFY(!WindowPlacement::Parse("0,1,-1,-1,-1,-1,10,20,610"));
        QVERIFY(!WindowPlacement::Parse("0,1,-1,-1,-1,-1,10,20,610,420,5"));
        QVERIFY(!WindowPlacement::Parse("0,1,-1,-1,-1,-1,10,20,610,x"));
        const auto placement = WindowPlacement::Parse("2,3,-1,-1,-4,-4,10,20,610,420");
        QVERIFY(placement);
        QCOMPARE(placement->NormalRect(), QRect(10, 20, 600, 400));
        QCOMPARE(placement->Format(), QString("2,3,-1,-1,-4,-4,10,20,610,420"));

        for (const char* ignored : {"0,1,-1,-1,-1,-1,50,60,650", "0,1,-1,-1,-1,-1,50,60,650,460,1"}) {
            guitest::FrameFixture f;
            f.frame->AppProfile().WriteString("Settings", "WindowPos", ignored);
            f.frame->ShowWithPlacement();
            QCOMPARE(f.frame->size(), QSize(1100, 780));
        }
        guitest::FrameFixture f;
        f.frame->AppProfile().WriteString("Settings", "WindowPos", "0,1,-1,-1,-1,-1,50,60,850,660");
        f.frame->ShowWithPlacement();
        QCOMPARE(f.frame->normalGeometry().size(), QSize(800, 600));
        f.frame->resize(700, 500);
        QVERIFY(f.frame->close());
        const auto written = WindowPlacement::Parse(
            QString::fromStdString(f.frame->AppProfile().GetString("Settings", "WindowPos", "")));
        QVERIFY(written);
        QCOMPARE(written->flags, 0u);
        QCOMPARE(written->showCommand, WindowPlacement::kShowNormal);
        QCOMPARE(written->right - written->left, 700);
    }

    void openFiltersPutTheLastOpenedKindFirst()
    {
        guitest::FrameFixture f;
        const QStringList sceneFirst = {"VGS Files (*.vgs)", "TGA Files (*.tga)", "All Files (*.*)"};
        const QStringList imageFirst = {"TGA Files (*.tga)", "VGS Files (*.vgs)", "All Files (*.*)"};
        QCOMPARE(FileDialogs::OpenFilters(f.frame->AppProfile()), sceneFirst);
        QCOMPARE(FileDialogs::SaveFilters(WindowKind::Image),
                 (QStringList{"TGA Files (*.tga)", "YUV files (*.yuv *.YUV)", "All Files (*.*)"}));
        QCOMPARE(FileDialogs::SaveFilters(WindowKind::Rendering), QStringList{"All Files (*.*)"});
        f.frame->AppProfile().WriteString("Recent File Load", "Name", ".tga");
        QCOMPARE(FileDialogs::OpenFilters(f.frame->AppProfile()), imageFirst);

        f.Write("s.vgs", "[Param]\nBeobXA=1\n");
        QVERIFY(f.frame->OpenDocumentFile(f.File("s.vgs")));
        QCOMPARE(FileDialogs::OpenFilters(f.frame->AppProfile()), sceneFirst);
        QCOMPARE(RecentFileList::Read(f.frame->AppProfile()).first(), f.File("s.vgs"));
        QVERIFY(f.frame->OpenDocumentFile(f.File("s.vgs")));
        QCOMPARE(f.frame->mdiArea()->subWindowList().size(), 1);  // shown again, not opened twice

        // A 1 x 1 picture, 24 bits, uncompressed.
        QByteArray tga(18, '\0');
        tga[2] = 2;
        tga[12] = 1;
        tga[14] = 1;
        tga[16] = 24;
        f.Write("i.tga", tga + QByteArray(3, '\x7f'));
        if (!f.frame->OpenDocumentFile(f.File("i.tga"))) QSKIP("image windows cannot open pictures in this build");
        QCOMPARE(FileDialogs::OpenFilters(f.frame->AppProfile()), imageFirst);
    }

    void aCancelledOpenDialogStillRecordsTheFolder()
    {
        guitest::FrameFixture f;
        const QString before = QDir::currentPath();
        f.frame->AppProfile().WriteString("Directories", "Open", f.dir.path().toStdString());
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) dialog->reject();
        });
        QVERIFY(FileDialogs::PromptOpen(f.frame.get(), f.frame->AppProfile()).isEmpty());
        QCOMPARE(QString::fromStdString(f.frame->AppProfile().GetString("Directories", "Open", "")), f.dir.path());
        QDir::setCurrent(before);
    }

    void aFileThatCannotBeOpenedIsReported()
    {
        guitest::FrameFixture f;
        QVERIFY(!f.frame->OpenDocumentFile(f.File("missing.vgs")));
        f.Write("notascene.vgs", "[Param]\nBrennA=3\n");
        QVERIFY(!f.frame->OpenDocumentFile(f.File("notascene.vgs")));
        QCOMPARE(f.presenter.Texts(), (std::vector<std::string>{
            "Cannot open file '" + f.File("missing.vgs").toStdString() + "'.",
            "Cannot open file '" + f.File("notascene.vgs").toStdString() + "'."}));
        QVERIFY(f.frame->mdiArea()->subWindowList().isEmpty());
    }

    void menusFollowTheActiveWindowKind()
    {
        guitest::FrameFixture f;
        QCOMPARE(f.frame->MenuTitles(), (QStringList{"&File", "&View", "&Calculate", "&Help"}));
        CVistagonView* form = f.frame->NewScene();
        QCOMPARE(f.frame->MenuTitles(), (QStringList{"&File", "&Edit", "&View", "&Calculate", "&Window", "&Help"}));
        QCOMPARE(f.frame->action(cmd::kFinal)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
        QCOMPARE(f.frame->action(cmd::kFirstToLast)->text(), QString("First -&> Last"));
        QVERIFY(f.frame->action(cmd::kStop)->isEnabled());  // always shown enabled
        QVERIFY(f.frame->action(cmd::kZoomIn)->isEnabled());
        QVERIFY(!f.frame->action(cmd::kPrint)->isEnabled());
        form->sceneForm().SetJobRunning(false);
        QVERIFY(f.frame->mdiArea()->currentSubWindow()->close());
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(f.frame->MenuTitles(), (QStringList{"&File", "&View", "&Calculate", "&Help"}));

        // The recently used files stand above Exit, each time the menu opens.
        RecentFileList::Add(f.frame->AppProfile(), f.File("a.vgs"));
        QMenu* file = f.frame->menuBar()->actions().first()->menu();
        for (int shown = 0; shown < 2; ++shown) {
            emit file->aboutToShow();
            const QList<QAction*> items = file->actions();
            QCOMPARE(items.last(), f.frame->action(cmd::kExit));
            QVERIFY(items[items.size() - 2]->isSeparator());
            QCOMPARE(items[items.size() - 3]->text(), "&1 " + f.File("a.vgs"));
            QCOMPARE(std::count_if(items.begin(), items.end(), [](QAction* a) { return a->text().startsWith("&1 "); }), 1);
        }
    }

    void helpOpensThePageOfTheActiveWindowKind()
    {
        guitest::FrameFixture f;
        f.frame->action(cmd::kHelp)->trigger();
        QCOMPARE(f.frame->helpViewer()->CurrentTopic(), QString("main-window"));
        f.frame->NewScene();
        f.frame->action(cmd::kContextHelp)->trigger();
        QCOMPARE(f.frame->helpViewer()->CurrentTopic(), QString("scene-form"));
        f.frame->action(cmd::kHelpIndex)->trigger();
        QCOMPARE(f.frame->helpViewer()->CurrentTopic(), QString("index"));
    }

    void exceptionsAreReportedWithTheTableTexts()
    {
        QCOMPARE(ExceptionReport::TextOf(std::make_exception_ptr(FileError(FileError::Cause::Open, "x", ENOENT))),
                 std::string("CFileException number 2:\nThe file could not be located."));
        QCOMPARE(ExceptionReport::TextOf(std::make_exception_ptr(FileError(FileError::Cause::Write, "x", ENOSPC))),
                 std::string("CFileException number 28:\nThe disk is full."));
        QCOMPARE(ExceptionReport::TextOf(std::make_exception_ptr(std::bad_alloc())),
                 std::string("CMemoryException.\nNo further information available."));
        QCOMPARE(ExceptionReport::TextOf(std::make_exception_ptr(std::runtime_error(std::string(600, 'e')))).size(),
                 size_t{511});

        guitest::FrameFixture f;
        f.frame->RunGuarded([] { throw FileError(FileError::Cause::Read, "x", EIO); });
        QCOMPARE(f.presenter.Texts(), std::vector<std::string>{"CFileException number 5:\nThere was a hardware error."});
        QCOMPARE(f.presenter.shown[0].icon, MessageIcon::Stop);
    }
};

VISTAGON_GUI_TEST(MainFrameTest);
#include "MainFrameTest.moc"
