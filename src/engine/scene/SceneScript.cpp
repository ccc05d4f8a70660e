#include "scene/SceneScript.h"

#include "platform/IniFile.h"
#include "platform/NumberParsing.h"
#include "platform/TempFiles.h"
#include "scene/SceneValidation.h"
#include "scene/ScriptFile.h"

#include <variant>

namespace vistagon {

namespace {

using DoubleField = double SceneParameters::*;
using IntField = int SceneParameters::*;
using StringField = std::string SceneParameters::*;
enum class Special { OutputTga, OutputYuv, Background, CanCalculate, PathPoints };

struct SceneKey {
    const char* key;
    std::variant<DoubleField, IntField, StringField, Special> field;
};

const std::vector<SceneKey>& SceneKeys()
{
    using S = SceneParameters;
    static const std::vector<SceneKey> keys = {
        {"BeobXA", &S::XA}, {"BeobYA", &S::YA}, {"BeobZA", &S::ZA}, {"RichtungA", &S::HeadingA},
        {"NeigungA", &S::PitchA}, {"BrennA", &S::FocalLengthA}, {"VerkantenA", &S::RollA},
        {"BeobXE", &S::XZ}, {"BeobYE", &S::YZ}, {"BeobZE", &S::ZZ}, {"RichtungE", &S::HeadingZ},
        {"NeigungE", &S::PitchZ}, {"BrennE", &S::FocalLengthZ}, {"VerkantenE", &S::RollZ},
        {"Bildanzahl", &S::Total}, {"Offset", &S::Offset}, {"StartbildNr", &S::From}, {"EndbildNr", &S::To},
        {"LichtX", &S::LightX}, {"LichtY", &S::LightY}, {"LichtZ", &S::LightZ},
        {"NebelA", &S::DustA}, {"NebelE", &S::DustZ}, {"Traegheit", &S::Smoothness},
        {"AusgabeTGA", Special::OutputTga}, {"AusgabeYUV", Special::OutputYuv},
        {"AusDateiname", &S::OutputFileName}, {"TDateiVerwenden", &S::UseTextureFile},
        {"TDateiname", &S::TextureFileName}, {"HDateiname", &S::ElevationFileName},
        {"HDateiSkalaX", &S::ElevScaleX}, {"HDateiSkalaY", &S::ElevScaleY},
        {"HDateiSkalaZA", &S::ElevScaleZA}, {"HDateiSkalaZE", &S::ElevScaleZZ},
        {"MDateiVerwenden", &S::UseMaskFile}, {"MaskenDateiName", &S::MaskFileName},
        {"AusBreite", &S::SizeX}, {"AusHoehe", &S::SizeY}, {"AusAuflX", &S::GridX}, {"AusAuflY", &S::GridY},
        {"HintergrundVerwenden", &S::UseBackgroundColor}, {"GenauRechnen", &S::HQ},
        {"Hintergrund", Special::Background}, {"KannBerechnen", Special::CanCalculate},
        {"Rundflug", &S::PathType}, {"Punkt", Special::PathPoints},
        {"HoeheUeberBoden", &S::AverageHeight}, {"VerkantenFaktor", &S::RollFactor},
        {"Voraussicht", &S::PreviewRange}, {"Recorder", &S::UseRecorder},
    };
    return keys;
}

constexpr const char* kSection = ScriptFile::kSection;

bool WritesTga(OutputKind kind)
{
    return kind == OutputKind::TgaOnly || kind == OutputKind::TgaAndYuv;
}

bool WritesYuv(OutputKind kind)
{
    return kind == OutputKind::YuvOnly || kind == OutputKind::TgaAndYuv;
}

OutputKind DecodeOutputKind(int tga, int yuv)
{
    if (tga != 0) return yuv != 0 ? OutputKind::TgaAndYuv : OutputKind::TgaOnly;
    return yuv != 0 ? OutputKind::YuvOnly : OutputKind::TgaOnly;
}

int ReadInt(const IniDocument& doc, const char* key)
{
    auto value = doc.Get(kSection, key);
    return value ? ParseLeadingInt(*value) : 0;
}

// The form's reading of the path points: integers split at the first comma.
void ReadPathPoints(const IniDocument& doc, SceneParameters& scene)
{
    int count = 0;
    for (; count < SceneParameters::kMaxPathPoints; ++count) {
        auto text = doc.Get(kSection, ScriptFile::PathPointKey(count));
        if (!text || text->empty()) break;
        const size_t comma = text->find(',');
        PathPoint& point = scene.PathPoints[static_cast<size_t>(count)];
        point.x = ParseLeadingInt(text->substr(0, comma));
        point.y = comma == std::string::npos ? 0 : ParseLeadingInt(text->substr(comma + 1));
    }
    for (int i = count; i < SceneParameters::kMaxPathPoints; ++i) scene.PathPoints[static_cast<size_t>(i)] = PathPoint{};
    scene.LastPathPoint = count - 1;
}

void ReadKey(const IniDocument& doc, const SceneKey& key, SceneParameters& scene)
{
    if (auto field = std::get_if<DoubleField>(&key.field)) {
        if (auto value = ReadScriptDouble(doc.Get(kSection, key.key).value_or("0.0"))) scene.*(*field) = *value;
    } else if (auto field = std::get_if<IntField>(&key.field)) {
        scene.*(*field) = ReadInt(doc, key.key);
    } else if (auto field = std::get_if<StringField>(&key.field)) {
        scene.*(*field) = doc.Get(kSection, key.key).value_or("");
    } else {
        switch (std::get<Special>(key.field)) {
        case Special::OutputTga:
            scene.OutputFileFormat = DecodeOutputKind(ReadInt(doc, "AusgabeTGA"), ReadInt(doc, "AusgabeYUV"));
            break;
        case Special::Background:
            if (auto colour = ScanHex(doc.Get(kSection, key.key).value_or(""))) scene.BackgroundColor = *colour;
            break;
        case Special::PathPoints: ReadPathPoints(doc, scene); break;
        case Special::OutputYuv:
        case Special::CanCalculate: break;
        }
    }
}

void WriteKey(IniDocument& doc, const SceneKey& key, const SceneParameters& scene)
{
    if (auto field = std::get_if<DoubleField>(&key.field)) {
        doc.Set(kSection, key.key, FormatFixed(scene.*(*field)));
    } else if (auto field = std::get_if<IntField>(&key.field)) {
        doc.Set(kSection, key.key, std::to_string(scene.*(*field)));
    } else if (auto field = std::get_if<StringField>(&key.field)) {
        doc.Set(kSection, key.key, scene.*(*field));
    } else {
        switch (std::get<Special>(key.field)) {
        case Special::OutputTga: doc.Set(kSection, key.key, WritesTga(scene.OutputFileFormat) ? "1" : "0"); break;
        case Special::OutputYuv: doc.Set(kSection, key.key, WritesYuv(scene.OutputFileFormat) ? "1" : "0"); break;
        case Special::Background: doc.Set(kSection, key.key, FormatText("%lX", static_cast<unsigned long>(scene.BackgroundColor))); break;
        case Special::CanCalculate: doc.Set(kSection, key.key, "1"); break;
        case Special::PathPoints:
            for (int i = 0; i < SceneParameters::kMaxPathPoints; ++i) {
                const PathPoint& p = scene.PathPoints[static_cast<size_t>(i)];
                // Points beyond the form's last one would otherwise be flown from a stale copy.
                if (i <= scene.LastPathPoint) doc.Set(kSection, ScriptFile::PathPointKey(i), FormatText("%d,%d", p.x, p.y));
                else doc.Remove(kSection, ScriptFile::PathPointKey(i));
            }
            break;
        }
    }
}

}  // namespace

const std::vector<std::string>& CanonicalSceneKeys()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> result;
        for (const SceneKey& key : SceneKeys()) result.emplace_back(key.key);
        return result;
    }();
    return names;
}

SceneParameters LoadDefaults()
{
    return SceneParameters::NewScene();
}

bool LoadScene(const std::string& path, SceneParameters& scene)
{
    const IniDocument doc = IniDocument::Load(path);
    if (!path.empty() && doc.Get(kSection, "BeobXA").value_or("").empty()) return false;
    for (const SceneKey& key : SceneKeys()) ReadKey(doc, key, scene);
    return true;
}

void WriteScene(const SceneParameters& scene, const std::string& path)
{
    IniDocument doc = IniDocument::Load(path);
    for (const SceneKey& key : SceneKeys()) WriteKey(doc, key, scene);
    doc.Save(path);
}

void CopyScene(const std::string& source, const std::string& target)
{
    const IniDocument from = source.empty() ? IniDocument() : IniDocument::Load(source);
    IniDocument to;
    for (const SceneKey& key : SceneKeys()) {
        if (std::holds_alternative<Special>(key.field)) {
            const Special special = std::get<Special>(key.field);
            if (special == Special::CanCalculate) continue;
            if (special == Special::PathPoints) {
                for (int i = 0; i < SceneParameters::kMaxPathPoints; ++i) {
                    const std::string name = ScriptFile::PathPointKey(i);
                    const std::string value = from.Get(kSection, name).value_or("");
                    if (!value.empty()) to.Set(kSection, name, value);
                }
                continue;
            }
        }
        to.Set(kSection, key.key, from.Get(kSection, key.key).value_or(""));
    }
    to.Save(target);
}

bool SaveScene(AppContext& context, const SceneParameters& scene, const std::string& path, int* failedControl)
{
    if (auto problem = ValidateScene(scene)) {
        context.ui.ShowMessage(problem->message, MessageIcon::Stop);
        if (failedControl != nullptr) *failedControl = problem->control;
        return false;
    }
    FileRemover temporary;
    if (!WithSceneRetry(context.ui, "VIST", [&] { temporary.Reset(MakeTempFileName("VIST")); })) return false;
    if (!WithSceneRetry(context.ui, temporary.path(), [&] { WriteScene(scene, temporary.path()); })) return false;
    return WithSceneRetry(context.ui, path, [&] { CopyScene(temporary.path(), path); });
}

}  // namespace vistagon
