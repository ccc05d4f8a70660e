#include "scene/ScriptFile.h"

#include "platform/IniFile.h"
#include "platform/NumberParsing.h"
#include "platform/TextFormat.h"

#include <cstdio>

namespace vistagon {

std::optional<double> ReadScriptDouble(std::string_view text)
{
    if (text.empty()) return 0.0;
    return ScanDouble(text);
}

std::string ScriptFile::PathPointKey(int index)
{
    return FormatText("Punkt%02d", index);
}

std::string ScriptFile::GetString(std::string_view key) const
{
    return IniFile(path_).GetString(kSection, key, "");
}

int ScriptFile::GetInt(std::string_view key) const
{
    auto value = IniFile(path_).Read(kSection, key);
    return value ? ParseLeadingInt(*value) : 0;
}

std::optional<double> ScriptFile::GetDouble(std::string_view key) const
{
    return ReadScriptDouble(IniFile(path_).GetString(kSection, key, "0.0"));
}

bool ScriptFile::GetPathPoint(int index, double& x, double& y) const
{
    const std::string text = IniFile(path_).GetString(kSection, PathPointKey(index), "-1.0,-1.0");
    double px = 0.0, py = 0.0;
    if (std::sscanf(text.c_str(), "%lf,%lf", &px, &py) < 2 || px == -1.0) return false;
    x = px;
    y = py;
    return true;
}

void ScriptFile::SetString(std::string_view key, std::string_view value) const
{
    IniFile(path_).WriteString(kSection, key, value);
}

void ScriptFile::SetInt(std::string_view key, int value) const
{
    SetString(key, FormatText("%d", value));
}

void ScriptFile::SetDouble(std::string_view key, double value) const
{
    SetString(key, FormatFixed(value));
}

}  // namespace vistagon
