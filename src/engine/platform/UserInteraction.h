#pragma once

#include <string>
#include <string_view>

namespace vistagon {

enum class MessageIcon { None, Information, Question, Warning, Stop };

enum class QuestionButtons { YesNo, YesNoCancel, OkCancel };

enum class Answer { Yes, No, Cancel, Ok };

// A status text control: receives "%d%%" progress text and similar short lines.
class ProgressText {
public:
    virtual ~ProgressText() = default;
    virtual void SetText(std::string_view text) = 0;
};

// Everything the engine needs from whoever drives it: message boxes, questions,
// a status text, message pumping and the cooperative cancel flag. The CLI, the
// desktop application and the tests each implement it.
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;
    virtual Answer Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon) = 0;

    // The status sink of long work (a dialog's status text or the status bar pane).
    virtual ProgressText& Status() = 0;

    // Dispatches pending user-interface events; long work calls it once per row, cell or frame.
    virtual void Pump() = 0;

    // True once the user asked to stop the running work.
    virtual bool IsCancelled() const = 0;
};

// The file-error question pattern: "...Retry?" as a Yes/No box with a stop icon.
inline bool AskRetry(UserInteraction& ui, std::string_view text)
{
    return ui.Ask(text, QuestionButtons::YesNo, MessageIcon::Stop) == Answer::Yes;
}

}  // namespace vistagon
