#include "GuiTestRegistry.h"
#include "convert/ConvertTestSupport.h"
#include "convert/gdal/CGdalImportDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vistagon;
using namespace vistagon::gui;
using namespace vistagon::guitest;

// The GDAL raster dialog writes what `vistagon-cli import gdal` writes and
// shows the import's summary. An ASCII grid is a raster GDAL reads with no
// tool needed to make it.
class GdalImportDialogTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString Profile() const { return Path("profile.ini"); }

    void WriteGrid()
    {
        WriteText(Path("dem.asc"), "ncols 4\nnrows 3\nxllcorner 1000\nyllcorner 2000\ncellsize 30\n"
                                   "NODATA_value -9999\n"
                                   "10 20 30 40\n"
                                   "50 -9999 70 80\n"
                                   "90 100 110 120.6\n");
    }
    CGdalImportDialog* Dialog(ConvertShell& shell, ScriptedFileChooser& files, const QString& target)
    {
        auto* dialog = new CGdalImportDialog(shell, files);
        dialog->setAttribute(Qt::WA_DeleteOnClose, false);
        dialog->show();
        files.open.push_back(Path("dem.asc"));
        QTest::mouseClick(dialog->sourceBrowseButton(), Qt::LeftButton);
        files.save.push_back(target);
        QTest::mouseClick(dialog->targetBrowseButton(), Qt::LeftButton);
        return dialog;
    }
    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

private slots:
    void heightsWithVoidAndScaleEqualTheCommandLine()
    {
        WriteGrid();
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        std::unique_ptr<CGdalImportDialog> dialog(Dialog(shell, files, Path("dem-d.tga")));
        Type(dialog->zScaleEdit(), QStringLiteral("2"));
        Type(dialog->voidEdit(), QStringLiteral("-5"));
        QVERIFY(dialog->okButton()->isEnabled());
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(RunCli(Profile(), {"import", "gdal", Path("dem.asc"), Path("dem-c.tga"), "--zscale", "2", "--void",
                                    "-5"}),
                 0);
        const QByteArray expected = FileBytes(Path("dem-c.tga"));
        QCOMPARE(expected.size(), 18 + 4 * 3 * 3);
        QCOMPARE(FileBytes(Path("dem-d.tga")), expected);
        const std::vector<std::string> texts = shell.presenter.Texts();
        QVERIFY(!texts.empty());
        QVERIFY2(texts.back().find("4 x 3 pixels") != std::string::npos, texts.back().c_str());
    }

    void windowAndSizeEqualTheCommandLine()
    {
        WriteGrid();
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        std::unique_ptr<CGdalImportDialog> dialog(Dialog(shell, files, Path("cut-d.tga")));
        Type(dialog->windowEdit(), QStringLiteral("1, 0, 3, 2"));
        Type(dialog->sizeEdit(), QStringLiteral("6x4"));
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QCOMPARE(RunCli(Profile(), {"import", "gdal", Path("dem.asc"), Path("cut-c.tga"), "--window", "1,0,3,2",
                                    "--size", "6x4"}),
                 0);
        const QByteArray expected = FileBytes(Path("cut-c.tga"));
        QCOMPARE(expected.size(), 18 + 6 * 4 * 3);
        QCOMPARE(FileBytes(Path("cut-d.tga")), expected);
    }

    void malformedSizeIsRefusedBeforeAnythingIsWritten()
    {
        WriteGrid();
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        std::unique_ptr<CGdalImportDialog> dialog(Dialog(shell, files, Path("bad.tga")));
        Type(dialog->sizeEdit(), QStringLiteral("6 by 4"));
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QVERIFY(!QFile::exists(Path("bad.tga")));
        QCOMPARE(shell.presenter.Texts(),
                 std::vector<std::string>{"Please enter the size as width x height, or leave it empty."});
        QVERIFY(dialog->isVisible());
    }
};

VISTAGON_GUI_TEST(GdalImportDialogTest);
#include "GdalImportDialogTest.moc"
