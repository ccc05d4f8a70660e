#include "GuiTestRegistry.h"
#include "help/CHelpViewer.h"
#include "shell/CMainFrame.h"
#include "help/HelpPlacement.h"
#include "shell/CommandTable.h"
#include "support/FrameFixture.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <tuple>

namespace {

// A click as the window system delivers it, where a modal dialog blocks the windows not its own.
void ClickThroughWindow(QPushButton* button)
{
    QWidget* window = button->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      button->mapTo(window, button->rect().center()));
}

QPushButton* ButtonTitled(QWidget* window, const QString& text)
{
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->text() == text) return button;
    return nullptr;
}

// Opens help from the open modal dialog and works its buttons; false (with the
// first thing that went wrong said) when it is blocked or covers the dialog.
bool HelpAnswersBesideTheDialog(vistagon::gui::CMainFrame& frame, QDialog& dialog, const QString& opensHelp)
{
    if (!QTest::qWaitForWindowActive(&dialog)) return false;
    if (opensHelp == "F1") QTest::keyClick(&dialog, Qt::Key_F1);
    else ButtonTitled(&dialog, opensHelp)->click();
    vistagon::gui::CHelpViewer* help = frame.helpViewer();
    if (help == nullptr || !help->isVisible() || !QTest::qWaitForWindowExposed(help)) return false;
    const QString asked = help->CurrentTopic();
    if (asked == "index" || help->frameGeometry().intersects(dialog.frameGeometry())) return false;
    ClickThroughWindow(ButtonTitled(help, "&Index"));
    if (help->CurrentTopic() != "index") return false;
    ClickThroughWindow(help->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close));
    return !help->isVisible();
}

}  // namespace

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

    void helpFromAModalDialogAnswersItsButtonsAndStandsBesideIt()
    {
        using vistagon::gui::cmd::kOptions;
        constexpr int kConvolution = 32805;
        for (const auto& [command, opensHelp] : {std::pair{kOptions, "F1"}, std::pair{kConvolution, "&Help"}}) {
            vistagon::guitest::FrameFixture f;
            f.frame->resize(700, 500);
            f.frame->show();
            bool answered = false;
            QTimer::singleShot(0, [&, opensHelp = QString(opensHelp)] {
                auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (dialog == nullptr) return;
                answered = HelpAnswersBesideTheDialog(*f.frame, *dialog, opensHelp);
                dialog->reject();
            });
            f.frame->action(command)->trigger();
            QVERIFY2(answered, opensHelp);
            // The viewer is the frame's again, for help asked outside any dialog.
            QCOMPARE(f.frame->helpViewer()->parentWidget(), static_cast<QWidget*>(f.frame.get()));
        }
    }

    void theViewerGoesWhereTheDialogLeavesMostRoom()
    {
        using vistagon::gui::HelpPlacement::Beside;
        const QRect screen(0, 0, 1400, 1000);
        QCOMPARE(Beside({300, 200, 400, 300}, {560, 520}, screen), QRect(708, 200, 560, 520));
        QCOMPARE(Beside({800, 600, 500, 300}, {560, 520}, screen), QRect(232, 480, 560, 520));
        // A wide dialog leaves the most room below it.
        const QRect wide(100, 100, 1200, 700);
        QCOMPARE(Beside(wide, {560, 520}, screen), QRect(100, 808, 560, 192));
        QVERIFY(Beside(QRect(0, 0, 1400, 1000), {560, 520}, screen).isEmpty());
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
