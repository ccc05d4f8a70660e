#pragma once

#include "platform/MessagePresenter.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vistagon::guitest {

// Records every box the windows show and answers questions from a script,
// then with No (Cancel for OK/Cancel). A hook may act while a box is "open".
class ScriptedPresenter : public gui::MessagePresenter {
public:
    struct Shown {
        std::string text;
        MessageIcon icon;
        bool question;
    };

    void ShowMessage(std::string_view text, MessageIcon icon) override
    {
        shown.push_back({std::string(text), icon, false});
        if (onShow) onShow(shown.back());
    }
    Answer Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon) override
    {
        shown.push_back({std::string(text), icon, true});
        if (onShow) onShow(shown.back());
        if (!answers.empty()) {
            const Answer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == QuestionButtons::OkCancel ? Answer::Cancel : Answer::No;
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& s : shown) texts.push_back(s.text);
        return texts;
    }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
    std::function<void(const Shown&)> onShow;
};

}  // namespace vistagon::guitest
