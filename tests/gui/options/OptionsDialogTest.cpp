#include "GuiTestRegistry.h"
#include "options/COptionsDialog.h"
#include "support/FrameFixture.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QTest>

using namespace vistagon;
using namespace vistagon::gui;

namespace {

void Set(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void anEmptyProfileShowsTheDialogsOwnDefaults()
    {
        guitest::FrameFixture f;
        COptionsDialog dialog(*f.frame);
        QCOMPARE(dialog.pathColour(), 0u);
        QCOMPARE(dialog.lineWidthEdit()->text(), QString("0"));
        QCOMPARE(dialog.borderWidthEdit()->text(), QString("0"));
        QCOMPARE(dialog.redrawEdit()->text(), QString("10000"));
        QCOMPARE(dialog.antialiasingEdit()->text(), QString("4"));
        QCOMPARE(dialog.quarterGroup()->checkedId(), 0);
    }

    void theFirstFailingCheckIsTheOnlyMessage()
    {
        guitest::FrameFixture f;
        COptionsDialog dialog(*f.frame);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Set(dialog.lineWidthEdit(), "-1");
        Set(dialog.borderWidthEdit(), "2000");
        dialog.accept();
        QCOMPARE(f.presenter.Texts(), std::vector<std::string>{"The flight path width has to be at least 0 pixels."});
        QCOMPARE(f.presenter.shown[0].icon, MessageIcon::Stop);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.lineWidthEdit()));
        QCOMPARE(dialog.lineWidthEdit()->selectedText(), QString("-1"));
        QVERIFY(dialog.isVisible());

        Set(dialog.lineWidthEdit(), "10");
        dialog.accept();
        QCOMPARE(f.presenter.shown.back().text, std::string("The border width has to be at most 1000 pixels."));
        Set(dialog.borderWidthEdit(), "1000");
        Set(dialog.redrawEdit(), "65536");
        dialog.accept();
        QCOMPARE(f.presenter.shown.back().text, std::string("The redraw interval has to be at most 65535 ms."));
        Set(dialog.redrawEdit(), "99");
        dialog.accept();
        QCOMPARE(f.presenter.shown.back().text, std::string("The redraw interval has to be at least 100 ms."));
        Set(dialog.redrawEdit(), "65535");
        Set(dialog.antialiasingEdit(), "0");
        dialog.accept();
        QCOMPARE(f.presenter.shown.back().text, std::string("The antialiasing value has to be at least 1 pixel."));
        QCOMPARE(f.presenter.shown.size(), size_t{5});
        QVERIFY(f.frame->AppProfile().GetString("Settings", "RedrawInterval", "").empty());

        Set(dialog.antialiasingEdit(), "128");
        dialog.quarterGroup()->button(3)->click();
        dialog.accept();
        QCOMPARE(f.presenter.shown.size(), size_t{5});
        QVERIFY(!dialog.isVisible());
        const Profile profile = f.frame->AppProfile();
        QCOMPARE(profile.GetString("FlightPath", "Color", "?"), std::string("0"));
        QCOMPARE(profile.GetInt("FlightPath", "Width", -1), 10);
        QCOMPARE(profile.GetInt("FlightPath", "BorderWidth", -1), 1000);
        QCOMPARE(profile.GetInt("Settings", "RedrawInterval", -1), 65535);
        QCOMPARE(profile.GetInt("Settings", "Antialiasing", -1), 128);
        QCOMPARE(profile.GetInt("Settings", "Quarter", -1), 3);
    }

    void aNonNumberIsRefusedWithTheFrameworksMessage()
    {
        guitest::FrameFixture f;
        COptionsDialog dialog(*f.frame);
        Set(dialog.redrawEdit(), "fast");
        dialog.accept();
        QCOMPARE(f.presenter.Texts(), std::vector<std::string>{"Please enter an integer."});
        QVERIFY(f.frame->AppProfile().GetString("Settings", "Quarter", "").empty());
    }
};

VISTAGON_GUI_TEST(OptionsDialogTest);
#include "OptionsDialogTest.moc"
