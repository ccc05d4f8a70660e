#pragma once

#include "TerminalProgress.h"
#include "platform/UserInteraction.h"

#include <atomic>
#include <cstdio>

namespace vistagon::cli {

// The command line's side of the engine's interaction: messages go to stderr as
// their texts stand; "...Retry?" questions are answered No, other questions No
// unless --yes was given (then Yes or OK). Ctrl+C sets the cancel flag.
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
    // Routes SIGINT (Ctrl+C) and SIGTERM to the cancel flag.
    static void InstallInterruptHandler();
    static void RequestCancel();

private:
    bool assumeYes_;
    std::FILE* stream_;
    TerminalProgress progress_;
};

}  // namespace vistagon::cli
