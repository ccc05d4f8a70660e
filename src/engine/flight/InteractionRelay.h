#pragma once

#include "platform/UserInteraction.h"

#include <atomic>
#include <deque>
#include <future>
#include <mutex>
#include <string>
#include <thread>

namespace vistagon {

// Lets frames drawn on threads of their own talk to the user through the
// thread that drives the job: their messages and questions wait in a queue
// until that thread serves them, so a front end sees every call on the thread
// it drives the job from and never has to answer one from elsewhere. The
// cancel flag is the one that thread last read.
class InteractionRelay : public UserInteraction {
public:
    // The driving thread is the one that makes the relay; its own calls go straight through.
    explicit InteractionRelay(UserInteraction& ui) : ui_(ui), driver_(std::this_thread::get_id()) {}

    // Worker side: each call blocks until the driving thread has served it.
    void ShowMessage(std::string_view text, MessageIcon icon) override;
    Answer Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon) override;
    bool IsCancelled() const override { return cancelled_; }
    // Workers report progress and pump through their own interaction.
    ProgressText& Status() override { return silent_; }
    void Pump() override {}

    // Driving side: puts the waiting calls to the user, in the order they came,
    // and takes over the cancel flag.
    void Serve();
    // When the driving thread gives up: every waiting and later call is answered
    // No (or Cancel) without asking, and the workers see the job cancelled.
    void Close();

private:
    struct Request {
        std::string text;
        MessageIcon icon = MessageIcon::None;
        bool question = false;
        QuestionButtons buttons = QuestionButtons::YesNo;
        std::promise<Answer> answer;
    };
    class SilentText : public ProgressText {
    public:
        void SetText(std::string_view) override {}
    };

    Answer Post(std::string_view text, MessageIcon icon, bool question, QuestionButtons buttons);
    static Answer Refusal(QuestionButtons buttons);

    UserInteraction& ui_;
    std::thread::id driver_;
    std::mutex lock_;
    std::deque<Request> waiting_;
    bool closed_ = false;
    std::atomic<bool> cancelled_{false};
    SilentText silent_;
};

}  // namespace vistagon
