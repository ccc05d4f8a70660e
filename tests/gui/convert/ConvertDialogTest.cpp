#include "ConvertTestSupport.h"
#include "GuiTestRegistry.h"
#include "convert/CElevToGrayDialog.h"
#include "convert/CGrayToElevDialog.h"
#include "convert/CMergeDialog.h"
#include "convert/ConverterDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace vistagon;
using namespace vistagon::gui;
using namespace vistagon::guitest;

// The protocol every converter dialog shares, driven through the gray-to-elevation
// and elevation-to-gray tools.
class ConvertDialogTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

    void ChooseFiles(CConvertDialog& dialog, ScriptedFileChooser& files, const QString& source, const QString& target)
    {
        files.open.push_back(source);
        QTest::mouseClick(dialog.sourceBrowseButton(), Qt::LeftButton);
        files.save.push_back(target);
        QTest::mouseClick(dialog.targetBrowseButton(), Qt::LeftButton);
    }

private slots:
    void okNeedsSourceAndTargetChosen()
    {
        ConvertShell shell(Path("p.ini"));
        ScriptedFileChooser files;
        CGrayToElevDialog dialog(shell, files);
        dialog.show();
        QVERIFY(!dialog.okButton()->isEnabled());
        // Typing a path is not choosing one.
        dialog.sourceEdit()->setText(Path("typed.tga"));
        QTest::mouseClick(dialog.sourceBrowseButton(), Qt::LeftButton);  // cancelled
        QVERIFY(!dialog.okButton()->isEnabled());
        files.open.push_back(Path("a.tga"));
        QTest::mouseClick(dialog.sourceBrowseButton(), Qt::LeftButton);
        QVERIFY(!dialog.okButton()->isEnabled());
        files.save.push_back(Path("b.tga"));
        QTest::mouseClick(dialog.targetBrowseButton(), Qt::LeftButton);
        QVERIFY(dialog.okButton()->isEnabled());
        QCOMPARE(dialog.sourceEdit()->text(), Path("a.tga"));
        QCOMPARE(dialog.targetEdit()->text(), Path("b.tga"));
        // The source dialog was asked with the current path, TGA settings and the tool's filters.
        QCOMPARE(files.requests.size(), size_t{3});
        QCOMPARE(files.requests[0].initialPath, Path("typed.tga"));
        QCOMPARE(files.requests[1].defaultExtension, QStringLiteral("tga"));
        QCOMPARE(files.requests[2].filter,
                 QStringLiteral("TGA files (*.tga)|*.tga|YUV files (*.yuv)|*.yuv|All files (*.*)|*.*||"));
    }

    void thirdInputIsPartOfTheOkRule()
    {
        ConvertShell shell(Path("p.ini"));
        ScriptedFileChooser files;
        CMergeDialog dialog(shell, files);
        ChooseFiles(dialog, files, Path("a.tga"), Path("b.tga"));
        QVERIFY(!dialog.okButton()->isEnabled());
        files.open.push_back(Path("c.tga"));
        QTest::mouseClick(dialog.secondBrowseButton(), Qt::LeftButton);
        QVERIFY(dialog.okButton()->isEnabled());
        QCOMPARE(dialog.secondEdit()->text(), Path("c.tga"));
    }

    void finishedConversionClosesWithTheCliBytes()
    {
        const QString source = Path("gray.tga");
        WriteTga(source, 7, 5, [](int x, int y) { return Pixel{uint8_t(x * 30), uint8_t(y * 40), 200}; });
        ConvertShell shell(Path("p.ini"));
        ScriptedFileChooser files;
        CGrayToElevDialog dialog(shell, files);
        dialog.show();
        ChooseFiles(dialog, files, source, Path("dialog.tga"));
        QSignalSpy finished(&dialog, &QDialog::finished);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.statusText(), QString());
        QCOMPARE(RunCli(Path("p.ini"), {"tool", "gray-to-elev", source, Path("cli.tga")}), 0);
        QVERIFY(!FileBytes(Path("cli.tga")).isEmpty());
        QCOMPARE(FileBytes(Path("dialog.tga")), FileBytes(Path("cli.tga")));
    }

    void cancelDuringConversionLeavesNoFileAndTheDialogOpen()
    {
        const QString source = Path("tall.tga");
        WriteTga(source, 16, 3000, [](int x, int y) { return Pixel{uint8_t(x), uint8_t(y), 0}; });
        const QString target = Path("cancelled.tga");
        ConvertShell shell(Path("p.ini"));
        ScriptedFileChooser files;
        CGrayToElevDialog dialog(shell, files);
        dialog.show();
        ChooseFiles(dialog, files, source, target);
        // The source's loading shows its own 0 ... 100% first; Cancel comes at
        // 10% of the conversion rows that follow.
        QStringList seen;
        bool loaded = false;
        qsizetype cancelledAt = -1;
        bool lockedWhileRunning = false;
        connect(&dialog, &CConvertDialog::statusChanged, this, [&](const QString& text) {
            seen << text;
            if (text == QStringLiteral("100%")) loaded = true;
            if (!loaded || cancelledAt >= 0 || text != QStringLiteral("10%")) return;
            lockedWhileRunning = !dialog.okButton()->isEnabled() && !dialog.sourceBrowseButton()->isEnabled() &&
                                 !dialog.targetBrowseButton()->isEnabled();
            cancelledAt = seen.size();
            dialog.cancelButton()->click();
        });
        const QStringList before = QDir(dir_.path()).entryList(QDir::Files);
        QSignalSpy finished(&dialog, &QDialog::finished);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(lockedWhileRunning);
        // Stopped at the next row: the cleared text, one more row's text, the final clear.
        QVERIFY(cancelledAt > 0);
        QVERIFY(seen.size() - cancelledAt <= 3);
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), before);
        QCOMPARE(finished.count(), 0);
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFile::exists(target));
        QCOMPARE(dialog.statusText(), QString());
        // Ready for another run, and an idle Cancel closes.
        QVERIFY(dialog.okButton()->isEnabled());
        QVERIFY(dialog.sourceBrowseButton()->isEnabled());
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void closeBoxDoesNothingWhileRunning()
    {
        const QString source = Path("tall2.tga");
        WriteTga(source, 8, 2000, [](int, int y) { return Pixel{uint8_t(y), 1, 2}; });
        ConvertShell shell(Path("p.ini"));
        ScriptedFileChooser files;
        CGrayToElevDialog dialog(shell, files);
        dialog.show();
        ChooseFiles(dialog, files, source, Path("closed.tga"));
        bool refused = false;
        connect(&dialog, &CConvertDialog::statusChanged, this, [&](const QString& text) {
            if (text != QStringLiteral("5%")) return;
            refused = !dialog.close() && dialog.isVisible();
        });
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(refused);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(QFile::exists(Path("closed.tga")));
    }

    void invalidNumberIsRefusedBeforeTheJob()
    {
        const QString source = Path("elev.tga");
        WriteElevation(source, 4, 4, [](int x, int y) { return x * 100 + y; });
        ConvertShell shell(Path("p.ini"));
        ScriptedFileChooser files;
        CElevToGrayDialog dialog(shell, files);
        dialog.show();
        QCOMPARE(dialog.zScaleEdit()->text(), QStringLiteral("1"));
        ChooseFiles(dialog, files, source, Path("refused.tga"));
        dialog.zScaleEdit()->setText(QStringLiteral("0,5x"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(shell.presenter.Texts(), std::vector<std::string>{"Please enter a number."});
        QCOMPARE(shell.presenter.shown[0].icon, MessageIcon::Stop);
        QVERIFY(!QFile::exists(Path("refused.tga")));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.okButton()->isEnabled());
    }

    void mergeBiasOutsideTheRangeIsRefused()
    {
        ConvertShell shell(Path("p.ini"));
        ScriptedFileChooser files;
        CMergeDialog dialog(shell, files);
        dialog.show();
        ChooseFiles(dialog, files, Path("m1.tga"), Path("m3.tga"));
        files.open.push_back(Path("m2.tga"));
        QTest::mouseClick(dialog.secondBrowseButton(), Qt::LeftButton);
        dialog.bias2Edit()->setText(QStringLiteral("256.5"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(shell.presenter.Texts(), std::vector<std::string>{"Please enter a number between -256 and 256."});
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.okButton()->isEnabled());
    }

    void failedJobKeepsTheDialogOpen()
    {
        ConvertShell shell(Path("p.ini"));
        ScriptedFileChooser files;
        CGrayToElevDialog dialog(shell, files);
        dialog.show();
        ChooseFiles(dialog, files, Path("missing.tga"), Path("never.tga"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(!shell.presenter.shown.empty());
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.okButton()->isEnabled());
        QVERIFY(!QFile::exists(Path("never.tga")));
    }

    void f1OpensTheDialogsPage()
    {
        ConvertShell shell(Path("p.ini"));
        ScriptedFileChooser files;
        CElevToGrayDialog dialog(shell, files);
        dialog.show();
        QTest::keyClick(dialog.zScaleEdit(), Qt::Key_F1);
        QCOMPARE(shell.helpTopics, QStringList{"dialog-elevation-to-gray"});
    }

    void everyMenuCommandHasADialogWithItsTitleAndPage()
    {
        ConvertShell shell(Path("p.ini"));
        ScriptedFileChooser files;
        QStringList titles;
        for (int c = int(ConverterCommand::UsgsDem); c <= int(ConverterCommand::Rectify); ++c) {
            auto dialog = MakeConverterDialog(ConverterCommand(c), shell, files, nullptr);
            QVERIFY(dialog != nullptr);
            titles << dialog->windowTitle();
            QTest::keyClick(dialog->okButton(), Qt::Key_F1);
        }
        QCOMPARE(titles.size(), 16);
        QCOMPARE(titles.front(), QStringLiteral("Convert DEM File(s) into Elevation File"));
        QCOMPARE(titles.back(), QStringLiteral("Rectify"));
        QCOMPARE(shell.helpTopics.size(), 16);
        QCOMPARE(QSet<QString>(shell.helpTopics.begin(), shell.helpTopics.end()).size(), 16);
        for (const QString& topic : shell.helpTopics)
            QVERIFY2(QFile::exists(QStringLiteral(VISTAGON_TEST_DATA "/../../src/gui/help/pages/") + topic + ".html"),
                     qPrintable(topic));
    }

    void filterTextsBecomeQtNameFilters()
    {
        QCOMPARE(QtNameFilters("TGA files (*.tga)|*.tga|All files (*.*)|*.*||"),
                 QStringLiteral("TGA files (*.tga);;All files (*.*)"));
        QCOMPARE(QtNameFilters("Binary files|*.bin;*.bil;*.img;*.dem|All files (*.*)|*.*||"),
                 QStringLiteral("Binary files (*.bin *.bil *.img *.dem);;All files (*.*)"));
        QCOMPARE(QtNameFilters("HDR files (*.hdr, *.doc)|*.hdr;*.doc|All files (*.*)|*.*||"),
                 QStringLiteral("HDR files (*.hdr *.doc);;All files (*.*)"));
    }
};

VISTAGON_GUI_TEST(ConvertDialogTest);
#include "ConvertDialogTest.moc"
