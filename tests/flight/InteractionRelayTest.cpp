#include "flight/InteractionRelay.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace vistagon {
namespace {

TEST(InteractionRelay, WorkersAreAnsweredOnTheDrivingThreadInTheirOrder)
{
    test::ScriptedInteraction ui;
    ui.answers = {Answer::Yes, Answer::Ok};
    InteractionRelay relay(ui);
    auto first = std::async(std::launch::async, [&relay] { return relay.Ask("first", QuestionButtons::YesNo, MessageIcon::Stop); });
    while (ui.shown.empty()) relay.Serve();  // the driving thread's loop
    EXPECT_EQ(first.get(), Answer::Yes);
    auto second = std::async(std::launch::async, [&relay] {
        relay.ShowMessage("note", MessageIcon::Information);
        return relay.Ask("second", QuestionButtons::OkCancel, MessageIcon::Question);
    });
    while (ui.shown.size() < 3) relay.Serve();
    EXPECT_EQ(second.get(), Answer::Ok);
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"first", "note", "second"}));
    // The driving thread's own calls go straight through.
    relay.ShowMessage("own", MessageIcon::Stop);
    EXPECT_EQ(ui.shown.back().text, "own");
}

TEST(InteractionRelay, ClosingAnswersWaitingAndLaterQuestionsWithoutAsking)
{
    test::ScriptedInteraction ui;
    InteractionRelay relay(ui);
    std::promise<void> posted;
    auto waiting = std::async(std::launch::async, [&relay, &posted] {
        posted.set_value();
        return relay.Ask("Retry?", QuestionButtons::YesNo, MessageIcon::Stop);
    });
    posted.get_future().wait();
    // Whether or not the question is queued yet, closing must release it.
    relay.Close();
    EXPECT_EQ(waiting.get(), Answer::No);
    auto later = std::async(std::launch::async, [&relay] { return relay.Ask("OK?", QuestionButtons::OkCancel, MessageIcon::Question); });
    EXPECT_EQ(later.get(), Answer::Cancel);
    EXPECT_TRUE(relay.IsCancelled());
    EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace vistagon
