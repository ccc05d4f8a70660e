#include "GuiTestRegistry.h"
#include "platform/GuiInteraction.h"
#include "support/ScriptedPresenter.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <thread>

using namespace vistagon;
using namespace vistagon::gui;

class GuiInteractionTest : public QObject {
    Q_OBJECT
private slots:
    void questionsGoToThePresenter()
    {
        guitest::ScriptedPresenter presenter;
        presenter.answers = {Answer::Yes};
        NoProgressText status;
        GuiInteraction interaction(presenter, status);
        QCOMPARE(interaction.Ask("Retry?", QuestionButtons::YesNo, MessageIcon::Stop), Answer::Yes);
        QCOMPARE(interaction.Ask("Again?", QuestionButtons::OkCancel, MessageIcon::Question), Answer::Cancel);
        QCOMPARE(presenter.shown.size(), size_t{2});
        QCOMPARE(presenter.shown[0].icon, MessageIcon::Stop);
    }

    void pumpDeliversEventsButNotAtEveryCall()
    {
        guitest::ScriptedPresenter presenter;
        NoProgressText status;
        GuiInteraction interaction(presenter, status);
        int delivered = 0;
        QTimer::singleShot(0, this, [&] { ++delivered; });
        interaction.Pump();
        QCOMPARE(delivered, 1);
        QTimer::singleShot(0, this, [&] { ++delivered; });
        interaction.Pump();  // within the interval: nothing processed
        QCOMPARE(delivered, 1);
        std::this_thread::sleep_for(GuiInteraction::kPumpInterval * 2);
        interaction.Pump();
        QCOMPARE(delivered, 2);
    }

    void cancelIsSetAndReset()
    {
        guitest::ScriptedPresenter presenter;
        NoProgressText status;
        GuiInteraction interaction(presenter, status);
        QVERIFY(!interaction.IsCancelled());
        interaction.RequestCancel();
        QVERIFY(interaction.IsCancelled());
        interaction.ResetCancel();
        QVERIFY(!interaction.IsCancelled());
    }
};

VISTAGON_GUI_TEST(GuiInteractionTest);
#include "GuiInteractionTest.moc"
