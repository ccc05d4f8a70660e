#include "platform/IniFile.h"

#include "platform/TempFiles.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace vistagon {

namespace {

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

std::optional<std::string_view> KeyOf(std::string_view line)
{
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(0, equals));
}

std::string_view ValueOf(std::string_view line)
{
    return Trim(line.substr(line.find('=') + 1));
}

struct KeyLocation {
    long sectionLine = -1;    // the [section] line
    long lastEntryLine = -1;  // last non-blank line of the section
    long keyLine = -1;
};

KeyLocation Locate(const std::vector<std::string>& lines, std::string_view section, std::string_view key)
{
    KeyLocation where;
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (auto name = SectionName(lines[i])) {
            if (where.sectionLine >= 0) break;  // the first matching section is the one used
            inSection = SameName(*name, section);
            if (inSection) where.sectionLine = where.lastEntryLine = static_cast<long>(i);
            continue;
        }
        if (!inSection) continue;
        if (!Trim(lines[i]).empty()) where.lastEntryLine = static_cast<long>(i);
        auto name = KeyOf(lines[i]);
        if (name && where.keyLine < 0 && SameName(*name, key)) where.keyLine = static_cast<long>(i);
    }
    return where;
}

}  // namespace

IniDocument::IniDocument(std::string_view text)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(std::move(line));
        start = end + 1;
    }
}

IniDocument IniDocument::Load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return IniDocument(text);
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const
{
    const KeyLocation where = Locate(lines_, section, key);
    if (where.keyLine < 0) return std::nullopt;
    return std::string(ValueOf(lines_[static_cast<size_t>(where.keyLine)]));
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    const KeyLocation where = Locate(lines_, section, key);
    std::string entry = std::string(key) + "=" + std::string(value);
    if (where.keyLine >= 0) {
        lines_[static_cast<size_t>(where.keyLine)] = std::move(entry);
    } else if (where.sectionLine >= 0) {
        lines_.insert(lines_.begin() + where.lastEntryLine + 1, std::move(entry));
    } else {
        while (!lines_.empty() && Trim(lines_.back()).empty()) lines_.pop_back();
        if (!lines_.empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(entry));
    }
}

void IniDocument::Remove(std::string_view section, std::string_view key)
{
    const KeyLocation where = Locate(lines_, section, key);
    if (where.keyLine >= 0) lines_.erase(lines_.begin() + where.keyLine);
}

std::string IniDocument::Text() const
{
    std::string text;
    for (const auto& line : lines_) {
        text += line;
        text += '\n';
    }
    return text;
}

void IniDocument::Save(const std::string& path) const
{
    const std::string text = Text();
    ReplacingFileWriter writer(path);
    writer.Begin().Write(text.data(), text.size());
    writer.Commit();
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const
{
    return IniDocument::Load(path_).Get(section, key);
}

std::string IniFile::GetString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    auto value = Read(section, key);
    return value ? *value : std::string(fallback);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) const
{
    IniDocument document = IniDocument::Load(path_);
    document.Set(section, key, value);
    document.Save(path_);
}

}  // namespace vistagon
