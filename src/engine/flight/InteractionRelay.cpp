#include "flight/InteractionRelay.h"

namespace vistagon {

void InteractionRelay::ShowMessage(std::string_view text, MessageIcon icon)
{
    if (std::this_thread::get_id() == driver_) ui_.ShowMessage(text, icon);
    else Post(text, icon, false, QuestionButtons::YesNo);
}

Answer InteractionRelay::Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon)
{
    if (std::this_thread::get_id() == driver_) return ui_.Ask(text, buttons, icon);
    return Post(text, icon, true, buttons);
}

Answer InteractionRelay::Post(std::string_view text, MessageIcon icon, bool question, QuestionButtons buttons)
{
    std::future<Answer> answer;
    {
        const std::lock_guard guard(lock_);
        if (closed_) return Refusal(buttons);
        waiting_.push_back({std::string(text), icon, question, buttons, {}});
        answer = waiting_.back().answer.get_future();
    }
    return answer.get();
}

Answer InteractionRelay::Refusal(QuestionButtons buttons)
{
    return buttons == QuestionButtons::YesNo ? Answer::No : Answer::Cancel;
}

void InteractionRelay::Close()
{
    const std::lock_guard guard(lock_);
    closed_ = true;
    cancelled_ = true;
    for (Request& request : waiting_) request.answer.set_value(Refusal(request.buttons));
    waiting_.clear();
}

void InteractionRelay::Serve()
{
    for (;;) {
        Request request;
        {
            const std::lock_guard guard(lock_);
            if (waiting_.empty()) break;
            request = std::move(waiting_.front());
            waiting_.pop_front();
        }
        if (request.question) {
            request.answer.set_value(ui_.Ask(request.text, request.buttons, request.icon));
        } else {
            ui_.ShowMessage(request.text, request.icon);
            request.answer.set_value(Answer::Ok);
        }
    }
    cancelled_ = ui_.IsCancelled();
}

}  // namespace vistagon
