#include "Commands.h"
#include "SceneFields.h"
#include "Subcommands.h"
#include "image/ElevationGrid.h"
#include "platform/BinaryFile.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"
#include "platform/messages/SceneMessages.h"
#include "scene/CameraPlacement.h"
#include "scene/SceneScript.h"

#include <algorithm>
#include <optional>
#include <set>

namespace vistagon::cli {

namespace {

constexpr int kLargestGrid = 1024;

struct Assignment {
    std::string field;  // canonical name
    std::string value;
};

// FIELD=VALUE words, in order; unknown names and values that do not parse are usage errors.
std::vector<Assignment> ParseAssignments(const std::vector<std::string>& words)
{
    std::vector<Assignment> assignments;
    SceneParameters probe;
    for (const std::string& word : words) {
        const size_t equals = word.find('=');
        if (equals == std::string::npos || equals == 0) throw UsageError("expected FIELD=VALUE, not '" + word + "'");
        const std::string name = word.substr(0, equals), value = word.substr(equals + 1);
        if (!SceneFields::Assign(probe, name, value))
            throw UsageError("unknown field '" + name + "' (the names that \"info\" prints)");
        assignments.push_back({SceneFields::Canonical(name), value});
    }
    return assignments;
}

void Apply(SceneParameters& scene, const std::vector<Assignment>& assignments)
{
    for (const Assignment& a : assignments) SceneFields::Assign(scene, a.field, a.value);
}

bool Assigns(const std::vector<Assignment>& assignments, const char* field)
{
    return std::any_of(assignments.begin(), assignments.end(), [field](const Assignment& a) { return a.field == field; });
}

// The size and height range of an elevation file; none when it cannot be read.
std::optional<TerrainExtent> ReadExtent(AppContext& context, const std::string& path)
{
    if (!CanOpenForReading(path)) return std::nullopt;
    ElevationGrid grid(context, 1.0, 1.0, true);
    if (!grid.OnOpenDocument(path)) return std::nullopt;
    TerrainExtent extent{grid.GetWidth(), grid.GetHeight(), 0, 0};
    bool first = true;
    for (int y = 0; y < extent.height; ++y)
        for (int x = 0; x < extent.width; ++x) {
            const int v = grid.NodeValue(x, y);
            extent.lowest = first ? v : std::min(extent.lowest, v);
            extent.highest = first ? v : std::max(extent.highest, v);
            first = false;
        }
    return extent;
}

// The grid follows the terrain, the cameras look across it; what the line names wins.
void FitToTerrain(const TerrainExtent& terrain, const std::vector<Assignment>& assignments, SceneParameters& scene)
{
    scene.GridX = std::min(terrain.width, kLargestGrid);
    scene.GridY = std::min(terrain.height, kLargestGrid);
    PlaceCameras(terrain, scene);
    Apply(scene, assignments);
}

int Save(CliSession& session, const SceneParameters& scene, const std::string& path)
{
    if (!SaveScene(session.context, scene, path)) return kFailure;
    std::fprintf(session.out, "saved %s\n", path.c_str());
    return kSuccess;
}

int RunSceneNew(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {"--elevation", "--texture", "--mask"}, {});
    args.ExpectPositional(1, words.size());
    const std::string path = args.positional()[0];
    const auto assignments = ParseAssignments({args.positional().begin() + 1, args.positional().end()});

    SceneParameters scene = LoadDefaults();
    if (auto file = args.Value("--elevation")) scene.ElevationFileName = *file;
    if (auto file = args.Value("--texture")) {
        scene.TextureFileName = *file;
        scene.UseTextureFile = 1;
    }
    if (auto file = args.Value("--mask")) {
        scene.MaskFileName = *file;
        scene.UseMaskFile = 1;
    }
    Apply(scene, assignments);
    // A flight of Total frames renders all of them unless To is given.
    if (Assigns(assignments, "Total") && !Assigns(assignments, "To"))
        scene.To = std::max(0, scene.Total - (scene.PathType == 1 ? 2 : 1));
    if (args.Value("--elevation")) {
        if (const auto terrain = ReadExtent(session.context, scene.ElevationFileName))
            FitToTerrain(*terrain, assignments, scene);
    }
    return Save(session, scene, path);
}

int RunSceneSet(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {}, {});
    args.ExpectPositional(2, words.size());
    const std::string path = args.positional()[0];
    const auto assignments = ParseAssignments({args.positional().begin() + 1, args.positional().end()});
    SceneParameters scene;
    if (!CanOpenForReading(path)) {
        session.interaction.ShowMessage(FormatText(msg::kCannotOpenFile.text, path.c_str()), MessageIcon::Stop);
        return kFailure;
    }
    if (!LoadScene(path, scene)) {
        session.interaction.ShowMessage(FormatText(msg::kNotASceneFile.text, path.c_str()), MessageIcon::Stop);
        return kFailure;
    }
    Apply(scene, assignments);
    return Save(session, scene, path);
}

}  // namespace

int RunScene(CliSession& session, const std::vector<std::string>& words)
{
    static const std::vector<Subcommand> kinds = {
        {"new", "new OUT.vgs [--elevation F] [--texture F] [--mask F] [FIELD=VALUE ...]", RunSceneNew},
        {"set", "set SCENE.vgs FIELD=VALUE ...", RunSceneSet},
    };
    return RunSubcommand("scene", kinds, session, words);
}

}  // namespace vistagon::cli
