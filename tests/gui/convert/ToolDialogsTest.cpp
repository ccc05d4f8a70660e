#include "ConvertTestSupport.h"
#include "GuiTestRegistry.h"
#include "convert/CConvolutionDialog.h"
#include "convert/CElevToColorDialog.h"
#include "convert/CElevToGrayDialog.h"
#include "convert/CMaskDialog.h"
#include "convert/CMergeDialog.h"
#include "convert/CRectifyDialog.h"
#include "convert/CResampleDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace vistagon;
using namespace vistagon::gui;
using namespace vistagon::guitest;

// Each image tool dialog filled in and confirmed writes what the matching
// `vistagon-cli tool` command writes.
class ToolDialogsTest : public QObject {
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
    void ChooseInput(QPushButton* browse, ScriptedFileChooser& files, const QString& path)
    {
        files.open.push_back(path);
        QTest::mouseClick(browse, Qt::LeftButton);
    }
    // A radio button takes clicks on its indicator and label only, not anywhere in its row.
    static void Pick(QRadioButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        QVERIFY(button->isChecked());
    }
    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // Runs the CLI with the words and compares its target with the dialog's.
    void CompareWithCli(const QString& dialogTarget, QStringList words, const QString& cliTarget)
    {
        QCOMPARE(RunCli(Profile(), QStringList{"tool"} + words), 0);
        const QByteArray expected = FileBytes(cliTarget);
        QVERIFY(expected.size() > 18);
        QCOMPARE(FileBytes(dialogTarget), expected);
    }

private slots:
    void initTestCase()
    {
        WriteElevation(Path("elev.tga"), 23, 17, [](int x, int y) { return (x - 5) * 400 + y * 37; });
        WriteTga(Path("picture.tga"), 23, 17,
                 [](int x, int y) { return Pixel{uint8_t(x * 11), uint8_t(y * 15), uint8_t((x * y) & 0xFF)}; });
        WriteTga(Path("second.tga"), 19, 21, [](int x, int y) { return Pixel{uint8_t(255 - x * 9), 128, uint8_t(y)}; });
        WriteTga(Path("palette.tga"), 64, 2,
                 [](int x, int y) { return Pixel{uint8_t(x * 4), uint8_t(y * 100), uint8_t(255 - x)}; });
        WriteTga(Path("matrix.tga"), 3, 3, [](int x, int y) {
            const uint8_t w = uint8_t(128 + 1 + (x == 1 && y == 1 ? 3 : 0));
            return Pixel{w, uint8_t(w - 1), 129};
        });
        WriteTga(Path("mask.tga"), 23, 17, [](int x, int y) {
            if (y == 0 && x < 3) return Pixel{uint8_t(x), uint8_t(x), uint8_t(x)};
            return (x + y) % 3 == 0 ? Pixel{0, 0, 0} : (x + y) % 3 == 1 ? Pixel{1, 1, 1} : Pixel{9, 8, 7};
        });
    }

    void elevationToGrayWithZScale()
    {
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CElevToGrayDialog dialog(shell, files);
        dialog.show();
        ChooseFiles(dialog, files, Path("elev.tga"), Path("gray-d.tga"));
        Type(dialog.zScaleEdit(), QStringLiteral("0.05"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        // Negative heights read as large unsigned values: the saturation notice comes.
        QCOMPARE(shell.presenter.shown.size(), size_t{1});
        QVERIFY(QString::fromStdString(shell.presenter.shown[0].text).startsWith("One or more values are saturated"));
        CompareWithCli(Path("gray-d.tga"), {"elev-to-gray", Path("elev.tga"), Path("gray-c.tga"), "--zscale", "0.05"},
                       Path("gray-c.tga"));
    }

    void elevationToColorWithPaletteAndLimits()
    {
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CElevToColorDialog dialog(shell, files);
        dialog.show();
        QCOMPARE(dialog.lowerEdit()->text(), QStringLiteral("0"));
        QCOMPARE(dialog.upperEdit()->text(), QStringLiteral("8192"));
        ChooseFiles(dialog, files, Path("elev.tga"), Path("color-d.tga"));
        QVERIFY(!dialog.okButton()->isEnabled());
        ChooseInput(dialog.paletteBrowseButton(), files, Path("palette.tga"));
        QCOMPARE(files.requests.back().filter, QStringLiteral("TGA files (*.tga)|*.tga|All files (*.*)|*.*||"));
        Type(dialog.lowerEdit(), QStringLiteral("-1000"));
        Type(dialog.upperEdit(), QStringLiteral("6000"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        CompareWithCli(Path("color-d.tga"),
                       {"elev-to-color", Path("elev.tga"), Path("color-c.tga"), "--palette", Path("palette.tga"),
                        "--lower", "-1000", "--upper", "6000"},
                       Path("color-c.tga"));
    }

    void mergeMultiplyWithBiases()
    {
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CMergeDialog dialog(shell, files);
        dialog.show();
        QVERIFY(dialog.addButton()->isChecked());
        ChooseFiles(dialog, files, Path("picture.tga"), Path("merge-d.tga"));
        ChooseInput(dialog.secondBrowseButton(), files, Path("second.tga"));
        Type(dialog.bias1Edit(), QStringLiteral("-20.5"));
        Type(dialog.bias2Edit(), QStringLiteral("3"));
        Pick(dialog.multiplyButton());
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        CompareWithCli(Path("merge-d.tga"),
                       {"merge", Path("picture.tga"), Path("second.tga"), Path("merge-c.tga"), "--bias1", "-20.5",
                        "--bias2", "3", "--multiply"},
                       Path("merge-c.tga"));
    }

    void convolutionWithMatrix()
    {
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CConvolutionDialog dialog(shell, files);
        dialog.show();
        ChooseFiles(dialog, files, Path("picture.tga"), Path("conv-d.tga"));
        QVERIFY(!dialog.okButton()->isEnabled());
        ChooseInput(dialog.matrixBrowseButton(), files, Path("matrix.tga"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        CompareWithCli(Path("conv-d.tga"),
                       {"convolve", Path("picture.tga"), Path("conv-c.tga"), "--matrix", Path("matrix.tga")},
                       Path("conv-c.tga"));
    }

    void maskOfTheSameSizeAndOfAnother()
    {
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CMaskDialog dialog(shell, files);
        dialog.show();
        ChooseFiles(dialog, files, Path("picture.tga"), Path("mask-bad.tga"));
        ChooseInput(dialog.maskBrowseButton(), files, Path("second.tga"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFile::exists(Path("mask-bad.tga")));
        files.save.push_back(Path("mask-d.tga"));
        QTest::mouseClick(dialog.targetBrowseButton(), Qt::LeftButton);
        ChooseInput(dialog.maskBrowseButton(), files, Path("mask.tga"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        CompareWithCli(Path("mask-d.tga"), {"mask", Path("picture.tga"), Path("mask-c.tga"), "--mask", Path("mask.tga")},
                       Path("mask-c.tga"));
    }

    void resampleOneToThree()
    {
        ConvertShell shell(Profile());
        ScriptedFileChooser files;
        CResampleDialog dialog(shell, files);
        dialog.show();
        QVERIFY(dialog.reductionButton(0)->isChecked());
        ChooseFiles(dialog, files, Path("elev.tga"), Path("res-d.tga"));
        Pick(dialog.reductionButton(1));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        CompareWithCli(Path("res-d.tga"), {"resample", Path("elev.tga"), Path("res-c.tga"), "--factor", "3"},
                       Path("res-c.tga"));
    }

    void rectifyCornersSurviveARestartAndMatchTheCli()
    {
        const QString profile = Path("rectify.ini");
        const double output[8] = {0, 0, 22, 0, 22, 16, 0, 16};
        const double source[8] = {1.5, 0.25, 21, 2, 20.75, 15, 0.5, 14};
        {
            ConvertShell shell(profile);
            ScriptedFileChooser files;
            CRectifyDialog dialog(shell, files);
            dialog.show();
            for (int k = 0; k < 4; ++k) QCOMPARE(dialog.sourceYEdit(k)->text(), QStringLiteral("0"));
            ChooseFiles(dialog, files, Path("elev.tga"), Path("rect-d.tga"));
            for (int k = 0; k < 4; ++k) {
                Type(dialog.outputXEdit(k), QString::number(output[2 * k]));
                Type(dialog.outputYEdit(k), QString::number(output[2 * k + 1]));
                Type(dialog.sourceXEdit(k), QString::number(source[2 * k]));
                Type(dialog.sourceYEdit(k), QString::number(source[2 * k + 1]));
            }
            Pick(dialog.elevationButton());
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QVERIFY(FileBytes(profile).contains("x1'=1.500000"));
        // A new dialog (as after a restart) shows what was confirmed.
        ConvertShell shell(profile);
        ScriptedFileChooser files;
        CRectifyDialog again(shell, files);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(again.outputXEdit(k)->text().toDouble(), output[2 * k]);
            QCOMPARE(again.outputYEdit(k)->text().toDouble(), output[2 * k + 1]);
            QCOMPARE(again.sourceXEdit(k)->text().toDouble(), source[2 * k]);
            QCOMPARE(again.sourceYEdit(k)->text().toDouble(), source[2 * k + 1]);
        }
        // The command line takes the same corners from the same profile.
        QCOMPARE(RunCli(profile, {"tool", "rectify", Path("elev.tga"), Path("rect-c.tga"), "--elevation"}), 0);
        QVERIFY(FileBytes(Path("rect-c.tga")).size() > 18);
        QCOMPARE(FileBytes(Path("rect-d.tga")), FileBytes(Path("rect-c.tga")));
    }

    void rectifyFirstUseAsksAboutBothSystems()
    {
        ConvertShell shell(Path("fresh.ini"));
        ScriptedFileChooser files;
        CRectifyDialog dialog(shell, files);
        dialog.show();
        ChooseFiles(dialog, files, Path("picture.tga"), Path("rect-none.tga"));
        shell.presenter.answers = {Answer::Ok, Answer::Cancel};
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(shell.presenter.Texts(), (std::vector<std::string>{"The equation has an indefinite solution for x.",
                                                                    "The equation has an indefinite solution for y."}));
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFile::exists(Path("rect-none.tga")));
    }
};

VISTAGON_GUI_TEST(ToolDialogsTest);
#include "ToolDialogsTest.moc"
