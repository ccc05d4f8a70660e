#include "import/usgsdem/UsgsDemFeedback.h"

namespace vistagon {

bool InteractionDemFeedback::ConfirmHeader(const std::string& title, const std::vector<std::string>& lines)
{
    std::string text = title;
    for (const std::string& line : lines) text += "\n" + line;
    return ui_.Ask(text, QuestionButtons::OkCancel, MessageIcon::Information) == Answer::Ok;
}

bool InteractionDemFeedback::ContinueChecking(const std::string& question)
{
    return ui_.Ask(question, QuestionButtons::YesNo, MessageIcon::Question) == Answer::Yes;
}

}  // namespace vistagon
