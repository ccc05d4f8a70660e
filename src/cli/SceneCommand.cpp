#include "Commands.h"
#include "SceneFields.h"
#include "SceneFile.h"
#include "TerrainExtentFile.h"
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

// The grid follows the terrain, the cameras look across it; what the line names wins.
void FitToTerrain(const TerrainExtent& terrain, const std::vector<Assignment>& assignments, SceneParameters& scene)
{
    scene.GridX = std::min(terrain.width, kLargestGrid);
    scene.GridY = std::min(terrain.height, kLargestGrid);
    PlaceCameras(terrain, scene);
    Apply(scene, assignments);
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
        if (const auto terrain = ReadTerrainExtent(session.context, scene.ElevationFileName))
            FitToTerrain(*terrain, assignments, scene);
    }
    return SaveSceneFile(session, scene, path);
}

int RunSceneSet(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {}, {});
    args.ExpectPositional(2, words.size());
    const std::string path = args.positional()[0];
    const auto assignments = ParseAssignments({args.positional().begin() + 1, args.positional().end()});
    SceneParameters scene;
    if (!LoadSceneFile(session, path, scene)) return kFailure;
    Apply(scene, assignments);
    return SaveSceneFile(session, scene, path);
}

}  // namespace

int RunScene(CliSession& session, const std::vector<std::string>& words)
{
    static const std::vector<Subcommand> kinds = {
        {"new", "new OUT.vgs [--elevation F] [--texture F] [--mask F] [FIELD=VALUE ...]", RunSceneNew},
        {"set", "set SCENE.vgs FIELD=VALUE ...", RunSceneSet},
        {"path", "path SCENE.vgs --track FILE [--layer NAME] [--open | --closed] [--points N]", RunScenePath},
    };
    return RunSubcommand("scene", kinds, session, words);
}

}  // namespace vistagon::cli
