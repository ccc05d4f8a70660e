#include "ConvertTestSupport.h"
#include "GuiTestRegistry.h"
#include "convert/CAsciiIrregularDialog.h"
#include "convert/CAsciiRegularDialog.h"
#include "convert/CBinaryDemDialog.h"
#include "convert/CBlueZeroDialog.h"
#include "convert/CDemHeaderDialog.h"
#include "convert/CJapanDemDialog.h"
#include "convert/CSdtsImportDialog.h"
#include "convert/CTgaIrregularDialog.h"
#include "convert/CUsgsDemDialog.h"
#include "convert/ResultsListBox.h"
#include "import/sdts/SdtsTransfer.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vistagon;
using namespace vistagon::gui;
using namespace vistagon::guitest;

// Each import filter dialog filled in and confirmed writes what the matching
// `vistagon-cli import` command writes, and keeps its own rules.
class ImportDialogsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString Profile() const { return Path("profile.ini"); }

    void ChooseFiles(CConvertDialog& dialog, ScriptedFileChooser& files, const QString& source, const QString& target)
    {
        files.open.push_back(source);
        QTest::mouseClick(dialog.sourceBrowseButton(), Qt::LeftButton);
        files.save.push_back(target);
        QTest::mouseClick(dialog.targetBrowseButton(), Qt::LeftButton);
    }
    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void CompareWithCli(const QString& dialogTarget, const QStringList& words, const QString& cliTarget)
    {
        QCOMPARE(RunCli(Profile(), QStringList{"import"} + words), 0);
        const QByteArray expected = FileBytes(cliTarget);
        QVERIFY(expected.size() > 18);
        QCOMPARE(FileBytes(dialogTarget), expected);
    }
    static QString SharedDem(const char* name)
    {
        return QStringLiteral(VISTAGON_SHARED_DATA "/usgsdem/") + QString::fromLatin1(name);
    }

private slots:
    void binaryHeaderFillsTheFieldsAndTheDialogStaysOpen()
    {
        WriteText(Path("raw.hdr"), "ncols 40\nnrows 30\nnbits 16\nbyteorder M\nulxmap 100\nulymap 50\n"
                                   "xdim 0.5\nydim 0.5\nnodata -9999\nmap_units m\n");
        QByteArray raw;
        for (int r = 0; r < 30; ++r)
            for (int c = 0; c < 40; ++c) {
                const int16_t v = (r + c) % 7 == 0 ? int16_t(-9999) : int16_t(r * 300 - c * 11);
                raw.append(char(uint16_t(v) >> 8)).append(char(v & 0xFF));
            }
        WriteText(Path("raw.bin"), raw);
        WriteText(Path("bad.hdr"), "ncols 40\n bands 1\n");

        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CBinaryDemDialog dialog(shell, files);
        dialog.show();
        QCOMPARE(dialog.zScaleEdit()->text(), QStringLiteral("256"));
        QCOMPARE(dialog.unitsLabel(0)->text(), QStringLiteral("units"));
        QVERIFY(!dialog.keepNodataBox()->isEnabled());
        ChooseFiles(dialog, files, Path("raw.bin"), Path("bin-d.tga"));
        QVERIFY(!dialog.okButton()->isEnabled());  // no header yet

        files.open.push_back(Path("raw.hdr"));
        QTest::mouseClick(dialog.headerBrowseButton(), Qt::LeftButton);
        QVERIFY(dialog.okButton()->isEnabled());
        QCOMPARE(files.requests.back().defaultExtension, QStringLiteral("hdr"));
        QCOMPARE(dialog.upperLeftXEdit()->text(), QStringLiteral("100"));
        QCOMPARE(dialog.upperLeftYEdit()->text(), QStringLiteral("50"));
        QCOMPARE(dialog.extentXEdit()->text(), QStringLiteral("20"));
        QCOMPARE(dialog.extentYEdit()->text(), QStringLiteral("15"));
        QCOMPARE(dialog.unitsLabel(3)->text(), QStringLiteral("m"));
        QCOMPARE(dialog.sizeLabel()->text(), QStringLiteral("3"));  // 15 * 3 * 20 / 0.5 / 0.5 / 1024
        QVERIFY(dialog.keepNodataBox()->isEnabled());

        // A header with errors lists them and changes nothing.
        files.open.push_back(Path("bad.hdr"));
        QTest::mouseClick(dialog.headerBrowseButton(), Qt::LeftButton);
        QCOMPARE(shell.presenter.shown.size(), size_t{1});
        QVERIFY(QString::fromStdString(shell.presenter.shown[0].text).contains("ROWS - Number of rows"));
        QCOMPARE(dialog.extentXEdit()->text(), QStringLiteral("20"));
        QVERIFY(dialog.okButton()->isEnabled());

        Type(dialog.extentXEdit(), QStringLiteral("15.5"));
        Type(dialog.extentYEdit(), QStringLiteral("10"));
        QCOMPARE(dialog.sizeLabel()->text(), QStringLiteral("1"));  // 10 * 3 * 15.5 / 0.25 / 1024 = 1.8
        Type(dialog.upperLeftXEdit(), QStringLiteral("102"));
        Type(dialog.zScaleEdit(), QStringLiteral("2.5"));
        QTest::mouseClick(dialog.keepNodataBox(), Qt::LeftButton, {}, QPoint(6, dialog.keepNodataBox()->height() / 2));
        QVERIFY(dialog.keepNodataBox()->isChecked());
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(dialog.isVisible());  // ready for another region
        QVERIFY(dialog.okButton()->isEnabled());
        QVERIFY(QString::fromStdString(shell.presenter.shown.back().text).startsWith("Range of elevations"));
        CompareWithCli(Path("bin-d.tga"),
                       {"binary", Path("raw.hdr"), Path("raw.bin"), Path("bin-c.tga"), "--ulx", "102", "--uly", "50",
                        "--extent-x", "15.5", "--extent-y", "10", "--zscale", "2.5", "--keep-nodata"},
                       Path("bin-c.tga"));
    }

    void usgsMergesTheSelectedFilesAfterTheirHeaders()
    {
        const QStringList sources{SharedDem("usgsdem_with_extra_values_at_end_of_profile.dem"),
                                  SharedDem("usgsdem_with_spaces_after_byte_864.dem")};
        if (!QFile::exists(sources[0]) || !QFile::exists(sources[1])) QSKIP("the shared USGS DEM samples are absent");
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CUsgsDemDialog dialog(shell, files);
        dialog.show();
        QCOMPARE(dialog.voidEdit()->text(), QStringLiteral("-9999"));
        files.openMany.push_back(sources);
        QTest::mouseClick(dialog.sourceBrowseButton(), Qt::LeftButton);
        QCOMPARE(dialog.sourceEdit()->text(), '"' + sources[0] + "\" \"" + sources[1] + "\" ");
        files.save.push_back(Path("usgs-d.tga"));
        QTest::mouseClick(dialog.targetBrowseButton(), Qt::LeftButton);
        QStringList titles;
        QStringList firstLines;
        WhenShown<CDemHeaderDialog>(&dialog, [&](CDemHeaderDialog* header) {
            titles << header->windowTitle();
            firstLines << header->Lines().front();
            header->accept();
        });
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(titles, QStringList({"DEM Data from File " + sources[0], "DEM Data from File " + sources[1]}));
        QVERIFY(firstLines[0].startsWith("File name:\t"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.currentFileEdit()->text(), QString());
        QVERIFY(QString::fromStdString(shell.presenter.shown.back().text).startsWith("Total of positive"));
        CompareWithCli(Path("usgs-d.tga"), QStringList{"usgs", Path("usgs-c.tga")} + sources, Path("usgs-c.tga"));
    }

    void usgsHeaderCancelWritesNothing()
    {
        const QString source = SharedDem("39079G6_truncated.dem");
        if (!QFile::exists(source)) QSKIP("the shared USGS DEM samples are absent");
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CUsgsDemDialog dialog(shell, files);
        dialog.show();
        files.openMany.push_back({source});
        QTest::mouseClick(dialog.sourceBrowseButton(), Qt::LeftButton);
        files.save.push_back(Path("usgs-none.tga"));
        QTest::mouseClick(dialog.targetBrowseButton(), Qt::LeftButton);
        int shown = 0;
        WhenShown<CDemHeaderDialog>(&dialog, [&](CDemHeaderDialog* header) {
            ++shown;
            QTest::keyClick(header, Qt::Key_F1);
            header->reject();
        });
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(shown, 1);
        QCOMPARE(shell.helpTopics, QStringList{"dialog-dem-header"});
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.okButton()->isEnabled());
        QVERIFY(!QFile::exists(Path("usgs-none.tga")));
    }

    void usgsCancelWhileReadingProfilesSavesNothing()
    {
        const QString source = SharedDem("39079G6_truncated.dem");
        if (!QFile::exists(source)) QSKIP("the shared USGS DEM samples are absent");
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CUsgsDemDialog dialog(shell, files);
        dialog.show();
        files.openMany.push_back({source});
        QTest::mouseClick(dialog.sourceBrowseButton(), Qt::LeftButton);
        files.save.push_back(Path("usgs-cancelled.tga"));
        QTest::mouseClick(dialog.targetBrowseButton(), Qt::LeftButton);
        WhenShown<CDemHeaderDialog>(&dialog, [](CDemHeaderDialog* header) { header->accept(); });
        QString fileDuringRun;
        connect(&dialog, &CConvertDialog::statusChanged, this, [&](const QString& text) {
            if (!text.endsWith('%') || !fileDuringRun.isEmpty()) return;
            fileDuringRun = dialog.currentFileEdit()->text();
            dialog.cancelButton()->click();
        });
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(fileDuringRun, source);
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFile::exists(Path("usgs-cancelled.tga")));
        QVERIFY(QString::fromStdString(shell.presenter.shown.back().text).startsWith("Total of positive"));
        QCOMPARE(dialog.currentFileEdit()->text(), QString());
    }

    void usgsSelectionLongerThanTheLimitIsRefused()
    {
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CUsgsDemDialog dialog(shell, files);
        QStringList many;
        for (int i = 0; i < 200; ++i) many << Path(QStringLiteral("a-rather-long-file-name-number-%1.dem").arg(i));
        files.openMany.push_back(many);
        QTest::mouseClick(dialog.sourceBrowseButton(), Qt::LeftButton);
        QCOMPARE(shell.presenter.shown.size(), size_t{1});
        QVERIFY(dialog.sourceEdit()->text().isEmpty());
        QVERIFY(dialog.selectedFiles().isEmpty());
        files.save.push_back(Path("x.tga"));
        QTest::mouseClick(dialog.targetBrowseButton(), Qt::LeftButton);
        QVERIFY(!dialog.okButton()->isEnabled());
    }

    void asciiRegularScanProposesTheGridAndListsBadLines()
    {
        QByteArray text = "x y z header\n";
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 9; ++x) text += QByteArray::number(100 + x * 2.5) + ' ' + QByteArray::number(y * 4) +
                                                 ' ' + QByteArray::number(x * y + 0.75) + '\n';
        WriteText(Path("grid.txt"), text);
        WriteText(Path("grid-bad.txt"), text + "7 8\n");

        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CAsciiRegularDialog dialog(shell, files);
        dialog.show();
        QCOMPARE(dialog.widthEdit()->text(), QStringLiteral("512"));
        Type(dialog.skipEdit(), QStringLiteral("1"));
        ChooseFiles(dialog, files, Path("grid-bad.txt"), Path("grid-bad.tga"));
        QCOMPARE(dialog.widthEdit()->text(), QStringLiteral("9"));
        QCOMPARE(dialog.heightEdit()->text(), QStringLiteral("6"));
        QCOMPARE(dialog.minXEdit()->text(), QStringLiteral("100"));
        QCOMPARE(dialog.maxXEdit()->text(), QStringLiteral("120"));
        QCOMPARE(dialog.maxYEdit()->text(), QStringLiteral("20"));
        QCOMPARE(dialog.results()->Lines(), QStringList{"Line 55: only two items found."});
        QVERIFY(dialog.okButton()->isEnabled());
        // A listed line keeps the dialog open with its list, the file written all the same.
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.results()->Lines(), QStringList{"Line 55: only two items found."});
        QVERIFY(QFile::exists(Path("grid-bad.tga")));

        files.open.push_back(Path("grid.txt"));
        QTest::mouseClick(dialog.sourceBrowseButton(), Qt::LeftButton);
        QVERIFY(dialog.results()->Lines().isEmpty());
        files.save.push_back(Path("grid-d.tga"));
        QTest::mouseClick(dialog.targetBrowseButton(), Qt::LeftButton);
        Type(dialog.zScaleEdit(), QStringLiteral("10"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        CompareWithCli(Path("grid-d.tga"),
                       {"ascii-regular", Path("grid.txt"), Path("grid-c.tga"), "--skip", "1", "--zscale", "10"},
                       Path("grid-c.tga"));
    }

    void asciiRegularCancelAtALineCheckpointWritesNothing()
    {
        QByteArray text;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 100; ++x) text += QByteArray::number(x) + ' ' + QByteArray::number(y) + " 7\n";
        WriteText(Path("big.txt"), text);
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CAsciiRegularDialog dialog(shell, files);
        dialog.show();
        ChooseFiles(dialog, files, Path("big.txt"), Path("big.tga"));
        QCOMPARE(dialog.widthEdit()->text(), QStringLiteral("100"));
        QStringList status;
        connect(&dialog, &CConvertDialog::statusChanged, this, [&](const QString& text) {
            status << text;
            if (text == QStringLiteral("2000")) dialog.cancelButton()->click();
        });
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(status.contains(QStringLiteral("1000")));
        QVERIFY(!status.contains(QStringLiteral("3000")));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.okButton()->isEnabled());
        QVERIFY(!QFile::exists(Path("big.tga")));
    }

    void asciiIrregularScanFindsTheBoundsAndGrids()
    {
        QByteArray text;
        for (int i = 0; i < 40; ++i)
            text += QByteArray::number((i * 37) % 101) + ',' + QByteArray::number((i * 53) % 89) + ',' +
                    QByteArray::number(i * 3) + '\n';
        WriteText(Path("scatter.txt"), text);
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CAsciiIrregularDialog dialog(shell, files);
        dialog.show();
        QCOMPARE(dialog.estimateEdit()->text(), QStringLiteral("1000"));
        ChooseFiles(dialog, files, Path("scatter.txt"), Path("scatter-d.tga"));
        QCOMPARE(dialog.minXEdit()->text(), QStringLiteral("0"));
        QCOMPARE(dialog.maxXEdit()->text(), QStringLiteral("100"));
        QCOMPARE(dialog.widthEdit()->text(), QStringLiteral("512"));  // the scan leaves the size alone
        Type(dialog.widthEdit(), QStringLiteral("60"));
        Type(dialog.heightEdit(), QStringLiteral("45"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        CompareWithCli(Path("scatter-d.tga"),
                       {"ascii-irregular", Path("scatter.txt"), Path("scatter-c.tga"), "--width", "60", "--height",
                        "45"},
                       Path("scatter-c.tga"));
    }

    void tgaIrregularAndBlueZero()
    {
        WriteTga(Path("points.tga"), 30, 20, [](int x, int y) {
            if ((x * 7 + y * 3) % 23 == 0) return Pixel{0, uint8_t(x * 5), uint8_t(y)};
            return Pixel{uint8_t(x), 0, 0};
        });
        {
            ConvertShell shell(Profile());
            ScriptedFileChooser files;
            CTgaIrregularDialog dialog(shell, files);
            dialog.show();
            ChooseFiles(dialog, files, Path("points.tga"), Path("tgairr-d.tga"));
            Type(dialog.zScaleEdit(), QStringLiteral("3"));
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            CompareWithCli(Path("tgairr-d.tga"),
                           {"tga-irregular", Path("points.tga"), Path("tgairr-c.tga"), "--zscale", "3"},
                           Path("tgairr-c.tga"));
        }
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CBlueZeroDialog blue(shell, files);
        blue.show();
        ChooseFiles(blue, files, Path("points.tga"), Path("blue-d.tga"));
        QTest::mouseClick(blue.okButton(), Qt::LeftButton);
        QCOMPARE(blue.result(), int(QDialog::Accepted));
        QCOMPARE(RunCli(Profile(), {"tool", "blue-zero", Path("points.tga"), Path("blue-c.tga")}), 0);
        QCOMPARE(FileBytes(Path("blue-d.tga")), FileBytes(Path("blue-c.tga")));
        // Nothing is left for the scattered-point import.
        CTgaIrregularDialog none(shell, files);
        none.show();
        ChooseFiles(none, files, Path("blue-d.tga"), Path("none.tga"));
        QTest::mouseClick(none.okButton(), Qt::LeftButton);
        QVERIFY(none.isVisible());
        QCOMPARE(none.results()->Lines(), QStringList{"Not a single valid nodal point encountered."});
    }

    void japanDemWithItsVoidValue()
    {
        WriteText(Path("jp.mem"), "MEM001.................  4  2\n"
                                  "053945001  -20  -20  300  400\n"
                                  "053945001    5    0    7    8\n");
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CJapanDemDialog dialog(shell, files);
        dialog.show();
        QCOMPARE(dialog.voidEdit()->text(), QStringLiteral("-9999"));
        ChooseFiles(dialog, files, Path("jp.mem"), Path("jp-d.tga"));
        Type(dialog.voidEdit(), QStringLiteral("-20"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(shell.presenter.Texts(), std::vector<std::string>{"Total of positive non-zero elevations: 5"});
        CompareWithCli(Path("jp-d.tga"), {"japan", Path("jp.mem"), Path("jp-c.tga"), "--void", "-20"},
                       Path("jp-c.tga"));
    }

    void sdtsWithVoidAndFill()
    {
        const std::string module =
            test::CellModule(test::FullRaster(12, 9, [](int row, int column) { return row * 100 - column; }));
        WriteText(Path("cell.ddf"), QByteArray::fromStdString(module));
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CSdtsImportDialog dialog(shell, files);
        dialog.show();
        QCOMPARE(dialog.voidEdit()->text(), QStringLiteral("-32767"));
        QCOMPARE(dialog.fillEdit()->text(), QStringLiteral("-32766"));
        ChooseFiles(dialog, files, Path("cell.ddf"), Path("sdts-d.tga"));
        Type(dialog.voidEdit(), QStringLiteral("395"));
        Type(dialog.fillEdit(), QStringLiteral("0"));
        QStringList status;
        connect(&dialog, &CConvertDialog::statusChanged, this, [&status](const QString& text) { status << text; });
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(status.contains(QStringLiteral("    9/2")));
        CompareWithCli(Path("sdts-d.tga"), {"sdts", Path("cell.ddf"), Path("sdts-c.tga"), "--void", "395", "--fill", "0"},
                       Path("sdts-c.tga"));
    }
};

VISTAGON_GUI_TEST(ImportDialogsTest);
#include "ImportDialogsTest.moc"
