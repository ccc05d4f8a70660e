#include "GuiTestRegistry.h"
#include "scene/CustomColors.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vistagon;
using namespace vistagon::gui;

class CustomColorsTest : public QObject {
    Q_OBJECT
private slots:
    void unsetOrUnreadableColoursAreTheGrayRamp()
    {
        QTemporaryDir dir;
        const Profile profile(dir.filePath("p.ini").toStdString());
        profile.WriteString("Colors", "BGr03", "-1");
        profile.WriteString("Colors", "BGr04", "zz");
        profile.WriteString("Colors", "BGr05", "FF8000");
        profile.WriteString("Colors", "BGr06", "0");
        const auto colours = CustomColors::Read(profile);
        QCOMPARE(colours[0], 0xFFFFFFu);
        QCOMPARE(colours[3], 0xCFCFCFu);
        QCOMPARE(colours[4], 0xBFBFBFu);
        QCOMPARE(colours[5], 0xFF8000u);
        QCOMPARE(colours[6], 0u);
        QCOMPARE(colours[15], 0x0F0F0Fu);

        CustomColors::Write(profile, colours);
        QCOMPARE(profile.GetString("Colors", "BGr05", ""), std::string("FF8000"));
        QCOMPARE(profile.GetString("Colors", "BGr15", ""), std::string("F0F0F"));
        QCOMPARE(profile.GetString("Colors", "BGr06", ""), std::string("0"));
    }

    void platformColourValuesKeepRedInTheLowByte()
    {
        const QColor colour = CustomColors::ToQColor(0xFF8000);
        QCOMPARE(colour, QColor(0x00, 0x80, 0xFF));
        QCOMPARE(CustomColors::FromQColor(QColor(1, 2, 3)), 0x030201u);
    }
};

VISTAGON_GUI_TEST(CustomColorsTest);
#include "CustomColorsTest.moc"
