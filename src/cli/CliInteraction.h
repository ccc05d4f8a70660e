#pragma once

#include "TerminalProgress.h"
#include "platform/UserInteraction.h"

#include <cstdio>

namespace vistagon::cli {

// The command line's side of the engine's interaction: messages go to stderr as
// their texts stand; "...Retry?" questions are answered No, other questions No
// unless --yes was given (then Yes or OK). A stop signal (Ctrl+C, SIGTERM,
// SIGHUP) is the cancel flag.
class CliInteraction : public UserInteraction {
public:
    CliInteraction(bool assumeYes, std::FILE* stream = stderr);

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    Answer Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon) override;
    ProgressText& Status() override { return progress_; }
    void Pump() override {}
    bool IsCancelled() const override;

    TerminalProgress& progress() { return progress_; }
    bool assumeYes() const { return assumeYes_; }

private:
    bool assumeYes_;
    std::FILE* stream_;
    TerminalProgress progress_;
};

}  // namespace vistagon::cli
