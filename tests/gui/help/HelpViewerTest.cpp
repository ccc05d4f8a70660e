#include "GuiTestRegistry.h"
#include "help/CHelpViewer.h"

#include <QTest>

using namespace vistagon::gui;

class HelpViewerTest : public QObject {
    Q_OBJECT
private slots:
    void everyPageOfTheShellIsEmbeddedAndListed()
    {
        const QStringList topics = CHelpViewer::Topics();
        for (const char* topic : {"index", "using-help", "main-window", "scene-form", "dialog-options", "dialog-about"})
            QVERIFY2(topics.contains(topic), topic);
        CHelpViewer viewer;
        viewer.ShowTopic("index");
        for (const char* title : {"Using Help", "The main window", "The scene form", "Options", "About Vistagon"})
            QVERIFY2(viewer.CurrentText().contains(title), title);
    }

    void anUnknownTopicShowsTheIndex()
    {
        CHelpViewer viewer;
        viewer.ShowTopic("scene-form");
        QCOMPARE(viewer.CurrentTopic(), QString("scene-form"));
        QVERIFY(viewer.CurrentText().contains("First -> Last"));
        viewer.ShowTopic("no-such-window");
        QCOMPARE(viewer.CurrentTopic(), QString("index"));
        QVERIFY(viewer.CurrentText().contains("Vistagon Help"));
    }
};

VISTAGON_GUI_TEST(HelpViewerTest);
#include "HelpViewerTest.moc"
