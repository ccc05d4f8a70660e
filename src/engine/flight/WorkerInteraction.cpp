#include "flight/WorkerInteraction.h"

#include "platform/NumberParsing.h"


namespace vistagon {

WorkerInteraction::WorkerInteraction(UserInteraction& shared, std::function<void()> onPump,
                                     std::function<void(int)> onPercent)
    : shared_(shared), onPump_(std::move(onPump)), onPercent_(std::move(onPercent))
{
}

void WorkerInteraction::ShowMessage(std::string_view text, MessageIcon icon)
{
    shared_.ShowMessage(text, icon);
}

Answer WorkerInteraction::Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon)
{
    return shared_.Ask(text, buttons, icon);
}

void WorkerInteraction::Pump()
{
    if (onPump_) onPump_();
}

bool WorkerInteraction::IsCancelled() const
{
    return shared_.IsCancelled();
}

void WorkerInteraction::SetText(std::string_view text)
{
    if (!text.empty() && text.back() == '%' && onPercent_) onPercent_(ParseLeadingInt(text));
}

}  // namespace vistagon
