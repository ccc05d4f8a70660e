#include "flight/WorkerInteraction.h"

#include "platform/NumberParsing.h"

#include <optional>

namespace vistagon {

namespace {

std::optional<std::unique_lock<std::mutex>> LockIf(std::mutex* lock)
{
    if (lock == nullptr) return std::nullopt;
    return std::unique_lock<std::mutex>(*lock);
}

}  // namespace

WorkerInteraction::WorkerInteraction(UserInteraction& shared, std::mutex* lock, std::function<void()> onPump,
                                     std::function<void(int)> onPercent)
    : shared_(shared), lock_(lock), onPump_(std::move(onPump)), onPercent_(std::move(onPercent))
{
}

void WorkerInteraction::ShowMessage(std::string_view text, MessageIcon icon)
{
    const auto guard = LockIf(lock_);
    shared_.ShowMessage(text, icon);
}

Answer WorkerInteraction::Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon)
{
    const auto guard = LockIf(lock_);
    return shared_.Ask(text, buttons, icon);
}

void WorkerInteraction::Pump()
{
    if (onPump_) onPump_();
}

bool WorkerInteraction::IsCancelled() const
{
    const auto guard = LockIf(lock_);
    return shared_.IsCancelled();
}

void WorkerInteraction::SetText(std::string_view text)
{
    if (!text.empty() && text.back() == '%' && onPercent_) onPercent_(ParseLeadingInt(text));
}

}  // namespace vistagon
