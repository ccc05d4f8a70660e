#pragma once

// Shared by the fuzz targets: an interaction that never retries, a private
// folder for the input file, removed on exit, and the context of both.
#include "platform/AppContext.h"
#include "platform/UserInteraction.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace vistagon::fuzz {

class SilentInteraction : public UserInteraction, public ProgressText {
public:
    void ShowMessage(std::string_view, MessageIcon) override {}
    Answer Ask(std::string_view, QuestionButtons buttons, MessageIcon) override
    {
        return buttons == QuestionButtons::OkCancel ? Answer::Cancel : Answer::No;
    }
    ProgressText& Status() override { return *this; }
    void SetText(std::string_view) override {}
    void Pump() override {}
    bool IsCancelled() const override { return false; }
};

class FuzzFolder {
public:
    FuzzFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vistagon-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern;
    }
    ~FuzzFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Write(const std::string& name, const uint8_t* data, size_t size) const
    {
        const std::string path = File(name);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return path;
    }

private:
    std::filesystem::path path_;
};

// The context every target runs its jobs in: the silent interaction and a
// profile inside the target's folder.
struct FuzzSession {
    explicit FuzzSession(const FuzzFolder& folder) : context{ui, Profile(folder.File("profile.ini"))} {}

    SilentInteraction ui;
    AppContext context;
};

}  // namespace vistagon::fuzz
