#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistagon {

// The text of an INI file in memory, with private-profile semantics: sections
// and keys compare without regard to case; setting a key replaces its line
// where it stands, appends a new key at the end of its section and a new
// section at the end of the text. Reads CRLF or LF, writes LF.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);
    // An absent file reads as an empty document.
    static IniDocument Load(const std::string& path);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes the key's line, if present.
    void Remove(std::string_view section, std::string_view key);
    std::string Text() const;
    // Replaces the file only once the new text is complete. Raises FileError.
    void Save(const std::string& path) const;

private:
    std::vector<std::string> lines_;
};

// An INI file on disk used call by call, as the platform's profile functions
// are: every read parses the file afresh (nothing is cached), every write
// rewrites it. Write failures raise FileError.
class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // The value, whole; none when the file, the section or the key is absent.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    std::string GetString(std::string_view section, std::string_view key, std::string_view fallback) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value) const;

private:
    std::string path_;
};

}  // namespace vistagon
