#pragma once

#include "platform/IniFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace vistagon {

// The application profile: settings read by section and name at the moment they
// are needed, with the default given at the point of use.
class Profile {
public:
    explicit Profile(std::string path) : file_(std::move(path)) {}

    // --profile FILE, else $VISTAGON_PROFILE, else $XDG_CONFIG_HOME/vistagon/vistagon.ini,
    // else ~/.config/vistagon/vistagon.ini.
    static std::string ResolvePath(const std::optional<std::string>& commandLine);

    const std::string& path() const { return file_.path(); }

    std::string GetString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Leading-digits reading of the value; the default when the key is absent.
    int GetInt(std::string_view section, std::string_view key, int fallback) const;
    // Creates the profile's folder when needed. Raises FileError on failure.
    void WriteString(std::string_view section, std::string_view key, std::string_view value) const;
    void WriteInt(std::string_view section, std::string_view key, int value) const;

private:
    IniFile file_;
};

}  // namespace vistagon
