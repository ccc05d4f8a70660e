#pragma once

#include "platform/UserInteraction.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace vistagon::gui {

// The interaction of a job on a worker thread of a window: nothing is put to
// the user while it runs; messages and questions are kept for the window to
// show afterwards, questions are answered No (a Retry is not repeated), and
// cancelling and pumping are the worker's.
class BackgroundInteraction : public UserInteraction, public ProgressText {
public:
    BackgroundInteraction(std::function<bool()> cancelled, std::function<void()> pump)
        : cancelled_(std::move(cancelled)), pump_(std::move(pump))
    {
    }

    void ShowMessage(std::string_view text, MessageIcon) override { messages_.emplace_back(text); }
    Answer Ask(std::string_view text, QuestionButtons buttons, MessageIcon) override
    {
        messages_.emplace_back(text);
        return buttons == QuestionButtons::OkCancel ? Answer::Cancel : Answer::No;
    }
    ProgressText& Status() override { return *this; }
    void SetText(std::string_view) override {}
    void Pump() override { pump_(); }
    bool IsCancelled() const override { return cancelled_(); }

    const std::vector<std::string>& messages() const { return messages_; }

private:
    std::function<bool()> cancelled_;
    std::function<void()> pump_;
    std::vector<std::string> messages_;
};

// Kept messages on one line each, for a window's status line.
QString JoinMessages(const std::vector<std::string>& messages);

}  // namespace vistagon::gui
