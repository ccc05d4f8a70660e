#include "CPathDoc.h"

#include "platform/MessagePresenter.h"

namespace vistagon::gui {

namespace {

constexpr const char* kPathChanged = "The flight path has been changed.\nSave the new flight path?";

}  // namespace

bool CPathDoc::SaveModified(MessagePresenter& messages, const std::function<void()>& handOver)
{
    if (!IsModified()) return true;
    const Answer answer = messages.Ask(kPathChanged, QuestionButtons::YesNoCancel, MessageIcon::Information);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) handOver();
    return true;
}

}  // namespace vistagon::gui
