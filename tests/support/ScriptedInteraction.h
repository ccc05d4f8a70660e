#pragma once

#include "platform/AppContext.h"
#include "platform/UserInteraction.h"

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace vistagon::test {

// Records every message, question and status text, and answers questions from
// a script (then with a default answer). Cancels once a given number of pumps
// has happened, when asked to.
class ScriptedInteraction : public UserInteraction, public ProgressText {
public:
    struct Shown {
        std::string text;
        MessageIcon icon;
        bool question;
    };

    void ShowMessage(std::string_view text, MessageIcon icon) override
    {
        shown.push_back({std::string(text), icon, false});
    }
    Answer Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon) override
    {
        shown.push_back({std::string(text), icon, true});
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == QuestionButtons::OkCancel ? Answer::Cancel : Answer::No;
    }
    ProgressText& Status() override { return *this; }
    void SetText(std::string_view text) override { statusTexts.emplace_back(text); }
    void Pump() override
    {
        ++pumps;
        if (cancelAfterPumps >= 0 && pumps >= cancelAfterPumps) cancelled = true;
    }
    bool IsCancelled() const override { return cancelled; }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& s : shown) texts.push_back(s.text);
        return texts;
    }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
    std::vector<std::string> statusTexts;
    long pumps = 0;
    long cancelAfterPumps = -1;
    bool cancelled = false;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// An interaction and a context with a profile inside a temporary folder.
struct TestContext {
    TempDir dir;
    ScriptedInteraction ui;
    AppContext context{ui, Profile(dir.File("profile.ini"))};
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// The shared sample data folder beside the checkout, or empty when absent.
std::string SharedDataDir();

}  // namespace vistagon::test

// Skips the current test, saying why, when the shared sample data is absent.
#define VISTAGON_REQUIRE_SHARED_DATA()                                                         \
    do {                                                                                       \
        if (::vistagon::test::SharedDataDir().empty())                                         \
            GTEST_SKIP() << "shared sample data folder ../shared/data is absent beside the checkout"; \
    } while (0)
