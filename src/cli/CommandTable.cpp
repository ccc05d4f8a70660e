#include "Commands.h"

namespace vistagon::cli {

const std::vector<Command>& AllCommands()
{
    static const std::vector<Command> commands = {
        {"info", "info FILE                      header of a TGA file, or the values of a scene", RunInfo},
        {"import", "import KIND ...                convert foreign elevation data into an elevation file", RunImport},
        {"scene", "scene new|set SCENE.vgs [--elevation F] [--texture F] [--mask F] [FIELD=VALUE ...]\n"
                  "                               make a scene or change its fields (the names \"info\" prints)\n"
                  "      scene path SCENE.vgs --track FILE [--layer NAME] [--open | --closed] [--points N]\n"
                  "                               fly a GPS track (GPX, KML, GeoJSON, ...) over the scene's picture", RunScene},
        {"tool", "tool KIND ...                  image tools on TGA files", RunTool},
        {"render", "render SCENE.vgs [--mode final|raw|preview] [--jobs N] [--frames A-B] [--video OUT.mp4 [--fps 25]]\n"
                   "                               render a scene's frames into the current folder", RunRender},
        {"plan", "plan SCENE.vgs [--frames A-B] [--mode final|raw|preview]\n"
                 "                               print the recorder rows of a scene's flight without rendering it", RunPlan},
        {"demo", "demo [DIR] [--jobs N]          make a terrain and two scenes in DIR (default ./vistagon-demo) and render them", RunDemo},
    };
    return commands;
}

}  // namespace vistagon::cli
