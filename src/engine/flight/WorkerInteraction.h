#pragma once

#include "platform/UserInteraction.h"

#include <functional>

namespace vistagon {

// The interaction a frame worker renders with. Messages and the cancel flag
// are the job's own (through an InteractionRelay when workers run side by
// side); the "%d%%" status text becomes a number for the job's progress;
// pumping is done by whoever drives the workers.
class WorkerInteraction : public UserInteraction, public ProgressText {
public:
    WorkerInteraction(UserInteraction& shared, std::function<void()> onPump, std::function<void(int)> onPercent);

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    Answer Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon) override;
    ProgressText& Status() override { return *this; }
    void Pump() override;
    bool IsCancelled() const override;

    void SetText(std::string_view text) override;

private:
    UserInteraction& shared_;
    std::function<void()> onPump_;
    std::function<void(int)> onPercent_;
};

}  // namespace vistagon
