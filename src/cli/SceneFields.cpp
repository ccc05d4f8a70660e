#include "SceneFields.h"

#include "ArgumentList.h"
#include "platform/NumberParsing.h"

#include <sstream>
#include <strings.h>
#include <variant>

namespace vistagon::cli {

namespace {

using S = SceneParameters;
enum class Special { OutputFileFormat, BackgroundColor, PathPoints, PathType };
using Target = std::variant<double S::*, int S::*, std::string S::*, Special>;

struct Field {
    const char* name;
    Target target;
};

const std::vector<Field>& Table()
{
    static const std::vector<Field> fields = {
        {"XA", &S::XA}, {"XZ", &S::XZ}, {"YA", &S::YA}, {"YZ", &S::YZ}, {"ZA", &S::ZA}, {"ZZ", &S::ZZ},
        {"HeadingA", &S::HeadingA}, {"HeadingZ", &S::HeadingZ}, {"PitchA", &S::PitchA}, {"PitchZ", &S::PitchZ},
        {"RollA", &S::RollA}, {"RollZ", &S::RollZ}, {"FocalLengthA", &S::FocalLengthA},
        {"FocalLengthZ", &S::FocalLengthZ}, {"ElevScaleZA", &S::ElevScaleZA}, {"ElevScaleZZ", &S::ElevScaleZZ},
        {"DustA", &S::DustA}, {"DustZ", &S::DustZ}, {"OutputFileFormat", Special::OutputFileFormat},
        {"OutputFileName", &S::OutputFileName}, {"ElevationFileName", &S::ElevationFileName},
        {"TextureFileName", &S::TextureFileName}, {"MaskFileName", &S::MaskFileName}, {"SizeX", &S::SizeX},
        {"SizeY", &S::SizeY}, {"ElevScaleX", &S::ElevScaleX}, {"ElevScaleY", &S::ElevScaleY}, {"GridX", &S::GridX},
        {"GridY", &S::GridY}, {"LightX", &S::LightX}, {"LightY", &S::LightY}, {"LightZ", &S::LightZ},
        {"HQ", &S::HQ}, {"UseTextureFile", &S::UseTextureFile}, {"UseMaskFile", &S::UseMaskFile},
        {"UseBackgroundColor", &S::UseBackgroundColor}, {"UseRecorder", &S::UseRecorder},
        {"AverageHeight", &S::AverageHeight}, {"PreviewRange", &S::PreviewRange}, {"RollFactor", &S::RollFactor},
        {"PathType", Special::PathType}, {"Smoothness", &S::Smoothness}, {"Total", &S::Total}, {"From", &S::From},
        {"To", &S::To}, {"Offset", &S::Offset}, {"BackgroundColor", Special::BackgroundColor},
        {"PathPoints", Special::PathPoints},
    };
    return fields;
}

const Field* Find(const std::string& name)
{
    for (const Field& field : Table())
        if (strcasecmp(field.name, name.c_str()) == 0) return &field;
    return nullptr;
}

[[noreturn]] void Refuse(const Field& field, const std::string& value, const char* expected)
{
    throw UsageError(std::string(field.name) + " takes " + expected + ", not '" + value + "'");
}

// "x,y;x,y;..." in picture pixels, y counted down; empty for none.
void AssignPathPoints(SceneParameters& scene, const Field& field, const std::string& value)
{
    std::array<PathPoint, SceneParameters::kMaxPathPoints> points{};
    int count = 0;
    std::stringstream list(value);
    std::string item;
    while (std::getline(list, item, ';')) {
        const size_t comma = item.find(',');
        const auto x = comma == std::string::npos ? std::nullopt : ParseIntWord(item.substr(0, comma));
        const auto y = comma == std::string::npos ? std::nullopt : ParseIntWord(item.substr(comma + 1));
        if (!x || !y || count == SceneParameters::kMaxPathPoints) Refuse(field, value, "at most 100 points x,y;x,y;...");
        points[static_cast<size_t>(count++)] = PathPoint{*x, *y};
    }
    scene.PathPoints = points;
    scene.LastPathPoint = count - 1;
}

// A number as the file stores it, or the name "info" prints beside it.
void AssignPathType(SceneParameters& scene, const Field& field, const std::string& value)
{
    static const std::vector<std::pair<const char*, int>> names = {
        {"straight", S::kStraightPath}, {"closed", S::kClosedCurve}, {"open", S::kOpenCurve}};
    for (const auto& [name, type] : names)
        if (strcasecmp(name, value.c_str()) == 0) {
            scene.PathType = type;
            return;
        }
    const auto number = ParseIntWord(value);
    if (!number) Refuse(field, value, "0 (straight), 1 (closed curve), 2 (open curve) or straight, closed, open");
    scene.PathType = *number;
}

void AssignSpecial(SceneParameters& scene, const Field& field, Special special, const std::string& value)
{
    switch (special) {
    case Special::OutputFileFormat: {
        const auto kind = ParseIntWord(value);
        if (!kind || *kind < 0 || *kind > 2) Refuse(field, value, "0 (TGA), 1 (YUV) or 2 (both)");
        scene.OutputFileFormat = static_cast<OutputKind>(*kind);
        return;
    }
    case Special::BackgroundColor: {
        const auto colour = ScanHex(value);
        if (!colour || value.empty() || value.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            Refuse(field, value, "a hexadecimal colour value BBGGRR");
        scene.BackgroundColor = *colour;
        return;
    }
    case Special::PathPoints: AssignPathPoints(scene, field, value); return;
    case Special::PathType: AssignPathType(scene, field, value); return;
    }
}

}  // namespace

bool SceneFields::Assign(SceneParameters& scene, const std::string& name, const std::string& value)
{
    const Field* field = Find(name);
    if (field == nullptr) return false;
    if (auto* member = std::get_if<double S::*>(&field->target)) {
        const auto number = ParseDoubleWord(value);
        if (!number) Refuse(*field, value, "a number");
        scene.*(*member) = *number;
    } else if (auto* member = std::get_if<int S::*>(&field->target)) {
        const auto number = ParseIntWord(value);
        if (!number) Refuse(*field, value, "a whole number");
        scene.*(*member) = *number;
    } else if (auto* member = std::get_if<std::string S::*>(&field->target)) {
        scene.*(*member) = value;
    } else {
        AssignSpecial(scene, *field, std::get<Special>(field->target), value);
    }
    return true;
}

std::string SceneFields::Canonical(const std::string& name)
{
    const Field* field = Find(name);
    return field != nullptr ? field->name : std::string();
}

std::vector<std::string> SceneFields::Names()
{
    std::vector<std::string> names;
    for (const Field& field : Table()) names.emplace_back(field.name);
    return names;
}

}  // namespace vistagon::cli
