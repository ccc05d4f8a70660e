#include "GuiInteraction.h"

#include "platform/StopSignals.h"

#include <QCoreApplication>

namespace vistagon::gui {

GuiInteraction::GuiInteraction(MessagePresenter& presenter, ProgressText& status)
    : presenter_(presenter), status_(status)
{
}

void GuiInteraction::ShowMessage(std::string_view text, MessageIcon icon)
{
    presenter_.ShowMessage(text, icon);
}

Answer GuiInteraction::Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon)
{
    return presenter_.Ask(text, buttons, icon);
}

bool GuiInteraction::IsCancelled() const
{
    return cancelled_ || ReceivedStopSignal() != 0;
}

void GuiInteraction::Pump()
{
    const auto now = std::chrono::steady_clock::now();
    if (now - lastPump_ < kPumpInterval) return;
    lastPump_ = now;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace vistagon::gui
