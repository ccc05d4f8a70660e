#include "scene/SceneClipboardText.h"

#include "platform/NumberParsing.h"

#include <algorithm>
#include <cstdlib>
#include <variant>
#include <vector>

namespace vistagon {

namespace {

using DoubleField = double SceneParameters::*;
using IntField = int SceneParameters::*;
using StringField = std::string SceneParameters::*;
struct OutputFormatField {};

struct ClipboardEntry {
    const char* label;
    std::variant<DoubleField, IntField, StringField, OutputFormatField> field;
};

const std::vector<ClipboardEntry>& Entries()
{
    using S = SceneParameters;
    static const std::vector<ClipboardEntry> entries = {
        {"XA", &S::XA}, {"XZ", &S::XZ}, {"YA", &S::YA}, {"YZ", &S::YZ}, {"ZA", &S::ZA}, {"ZZ", &S::ZZ},
        {"HeadingA", &S::HeadingA}, {"HeadingZ", &S::HeadingZ}, {"PitchA", &S::PitchA}, {"PitchZ", &S::PitchZ},
        {"RollA", &S::RollA}, {"RollZ", &S::RollZ}, {"FocalLengthA", &S::FocalLengthA},
        {"FocalLengthZ", &S::FocalLengthZ}, {"ElevScaleZA", &S::ElevScaleZA}, {"ElevScaleZZ", &S::ElevScaleZZ},
        {"DustA", &S::DustA}, {"DustZ", &S::DustZ}, {"OutputFileFormat", OutputFormatField{}},
        {"OutputFileName", &S::OutputFileName}, {"ElevationFileName", &S::ElevationFileName},
        {"TextureFileName", &S::TextureFileName}, {"MaskFileName", &S::MaskFileName},
        {"SizeX", &S::SizeX}, {"SizeY", &S::SizeY}, {"ElevScaleX", &S::ElevScaleX}, {"ElevScaleY", &S::ElevScaleY},
        {"GridX", &S::GridX}, {"GridY", &S::GridY}, {"LightX", &S::LightX}, {"LightY", &S::LightY},
        {"LightZ", &S::LightZ}, {"HQ", &S::HQ}, {"UseTextureFile", &S::UseTextureFile},
        {"UseMaskFile", &S::UseMaskFile}, {"UseBackgroundColor", &S::UseBackgroundColor},
        {"UseRecorder", &S::UseRecorder}, {"AverageHeight", &S::AverageHeight},
        {"PreviewRange", &S::PreviewRange}, {"RollFactor", &S::RollFactor}, {"PathType", &S::PathType},
        {"Smoothness", &S::Smoothness}, {"Total", &S::Total}, {"From", &S::From}, {"To", &S::To},
        {"Offset", &S::Offset},
    };
    return entries;
}

std::string Line(const std::string& value, const char* label)
{
    return value + "\t(" + label + ")\r\n";
}

std::string FormatEntry(const ClipboardEntry& entry, const SceneParameters& scene)
{
    if (auto field = std::get_if<DoubleField>(&entry.field))
        return Line(SceneClipboardText::FormatDouble(scene.*(*field)), entry.label);
    if (auto field = std::get_if<IntField>(&entry.field)) return Line(std::to_string(scene.*(*field)), entry.label);
    if (auto field = std::get_if<StringField>(&entry.field)) return Line(scene.*(*field), entry.label);
    return Line(std::to_string(static_cast<int>(scene.OutputFileFormat)), entry.label);
}

// strtod from the start of the line, as the standard text-to-double conversion reads it.
double ReadLineDouble(std::string_view rest)
{
    const std::string line(rest.substr(0, rest.find('\n')));
    return std::strtod(line.c_str(), nullptr);
}

void ParseEntry(const ClipboardEntry& entry, std::string_view rest, SceneParameters& scene)
{
    if (auto field = std::get_if<DoubleField>(&entry.field)) {
        scene.*(*field) = ReadLineDouble(rest);
    } else if (auto field = std::get_if<IntField>(&entry.field)) {
        if (auto value = ScanInt(rest.substr(0, rest.find('\n')))) scene.*(*field) = *value;
    } else if (auto field = std::get_if<StringField>(&entry.field)) {
        // Up to the first tab or the end of the whole text, however long.
        scene.*(*field) = std::string(rest.substr(0, rest.find('\t')));
    } else if (auto value = ScanInt(rest.substr(0, rest.find('\n')))) {
        // The radio group knows three choices only; anything else keeps the current one.
        if (*value >= 0 && *value <= 2) scene.OutputFileFormat = static_cast<OutputKind>(*value);
    }
}

}  // namespace

std::string SceneClipboardText::FormatDouble(double value)
{
    std::string text = FormatFixed(value);
    const size_t point = text.find('.');
    if (point == std::string::npos) return text;
    const size_t last = text.find_last_not_of('0');
    text.erase(std::max(last, point) + 1);
    return text;
}

std::string SceneClipboardText::Format(const SceneParameters& scene)
{
    std::string text = std::string(kHeader) + "\r\n";
    for (const ClipboardEntry& entry : Entries()) text += FormatEntry(entry, scene);
    return text;
}

bool SceneClipboardText::HasHeader(std::string_view text)
{
    return text.substr(0, std::string_view(kHeader).size()) == kHeader;
}

bool SceneClipboardText::Parse(std::string_view text, SceneParameters& scene)
{
    if (!HasHeader(text)) return false;
    std::string_view rest = text.substr(std::string_view(kHeader).size());
    if (rest.substr(0, 2) == "\r\n") rest.remove_prefix(2);
    else if (rest.substr(0, 1) == "\n") rest.remove_prefix(1);
    for (const ClipboardEntry& entry : Entries()) {
        ParseEntry(entry, rest, scene);
        const size_t feed = rest.find('\n');
        rest = feed == std::string_view::npos ? rest.substr(rest.size()) : rest.substr(feed + 1);
    }
    return true;
}

}  // namespace vistagon
