#pragma once

#include "MessagePresenter.h"
#include "platform/UserInteraction.h"

#include <chrono>

namespace vistagon::gui {

// The interaction of one job run from a window: its boxes through the
// presenter, its "%d%%" text into the window's status control, pumping the
// event loop so the windows stay alive, and the cancel flag that the window's
// Stop or Cancel sets, or a stop signal (SIGTERM, SIGHUP, SIGINT).
class GuiInteraction : public UserInteraction {
public:
    GuiInteraction(MessagePresenter& presenter, ProgressText& status);

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    Answer Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon) override;
    ProgressText& Status() override { return status_; }
    // The engine pumps once per mesh cell or row; an event loop pass costs far
    // more than a cell, so events are processed at most every few milliseconds.
    void Pump() override;
    bool IsCancelled() const override;

    void RequestCancel() { cancelled_ = true; }
    void ResetCancel() { cancelled_ = false; }

    static constexpr std::chrono::milliseconds kPumpInterval{15};

private:
    MessagePresenter& presenter_;
    ProgressText& status_;
    std::chrono::steady_clock::time_point lastPump_{};
    bool cancelled_ = false;
};

// Discards status text, for jobs whose window shows none.
class NoProgressText : public ProgressText {
public:
    void SetText(std::string_view) override {}
};

}  // namespace vistagon::gui
