#pragma once

#include "platform/UserInteraction.h"

#include <cstdio>
#include <string_view>

namespace vistagon::bench {

// What a benchmark runs its jobs with: no progress, no pumping, never
// cancelled; messages and questions go to stderr (a benchmark that expects a
// result box after every run hides the information boxes) and every question
// is answered No.
class QuietInteraction : public UserInteraction, public ProgressText {
public:
    explicit QuietInteraction(bool showInformation = true) : showInformation_(showInformation) {}

    void ShowMessage(std::string_view text, MessageIcon icon) override
    {
        if (showInformation_ || icon != MessageIcon::Information) Print(text);
    }
    Answer Ask(std::string_view text, QuestionButtons, MessageIcon) override
    {
        Print(text);
        return Answer::No;
    }
    ProgressText& Status() override { return *this; }
    void SetText(std::string_view) override {}
    void Pump() override {}
    bool IsCancelled() const override { return false; }

private:
    static void Print(std::string_view text) { std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data()); }

    bool showInformation_;
};

}  // namespace vistagon::bench
