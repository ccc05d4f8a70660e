#include "CliInteraction.h"

#include "platform/StopSignals.h"

#include <string>

namespace vistagon::cli {

namespace {

bool EndsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

CliInteraction::CliInteraction(bool assumeYes, std::FILE* stream)
    : assumeYes_(assumeYes), stream_(stream), progress_(stream)
{
}

void CliInteraction::ShowMessage(std::string_view text, MessageIcon)
{
    progress_.Break();
    std::fprintf(stream_, "%.*s\n", static_cast<int>(text.size()), text.data());
    std::fflush(stream_);
}

Answer CliInteraction::Ask(std::string_view text, QuestionButtons buttons, MessageIcon)
{
    const bool retry = EndsWith(text, "Retry?");
    const bool yes = assumeYes_ && !retry;
    Answer answer;
    if (buttons == QuestionButtons::OkCancel) answer = yes ? Answer::Ok : Answer::Cancel;
    else answer = yes ? Answer::Yes : Answer::No;
    const char* word = answer == Answer::Ok ? "OK" : answer == Answer::Cancel ? "Cancel" : answer == Answer::Yes ? "Yes" : "No";
    progress_.Break();
    std::fprintf(stream_, "%.*s\n[answered %s%s]\n", static_cast<int>(text.size()), text.data(), word,
                 retry || assumeYes_ ? "" : "; --yes answers Yes");
    std::fflush(stream_);
    return answer;
}

bool CliInteraction::IsCancelled() const
{
    return ReceivedStopSignal() != 0;
}

}  // namespace vistagon::cli
