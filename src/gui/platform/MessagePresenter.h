#pragma once

#include "platform/UserInteraction.h"

#include <string_view>

namespace vistagon::gui {

// Shows message boxes and asks questions for the windows and the jobs they run.
// The application shows real boxes; tests answer from a script.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;
    virtual Answer Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon) = 0;
};

}  // namespace vistagon::gui
