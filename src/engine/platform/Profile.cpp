#include "platform/Profile.h"

#include "platform/NumberParsing.h"

#include <cstdlib>
#include <filesystem>

namespace vistagon {

std::string Profile::ResolvePath(const std::optional<std::string>& commandLine)
{
    if (commandLine && !commandLine->empty()) return *commandLine;
    if (const char* env = std::getenv("VISTAGON_PROFILE"); env != nullptr && *env != '\0') return env;
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        base = std::filesystem::path(home) / ".config";
    } else {
        base = ".";
    }
    return (base / "vistagon" / "vistagon.ini").string();
}

std::string Profile::GetString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return file_.GetString(section, key, fallback);
}

int Profile::GetInt(std::string_view section, std::string_view key, int fallback) const
{
    auto value = file_.Read(section, key);
    return value ? ParseLeadingInt(*value) : fallback;
}

void Profile::WriteString(std::string_view section, std::string_view key, std::string_view value) const
{
    const auto folder = std::filesystem::path(file_.path()).parent_path();
    if (!folder.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
    }
    file_.WriteString(section, key, value);
}

void Profile::WriteInt(std::string_view section, std::string_view key, int value) const
{
    WriteString(section, key, std::to_string(value));
}

}  // namespace vistagon
