// Prints what `vistagon-cli plan` costs beside a render of the same scene:
// the demo fly-through, and a curved flight of 600 frames over a 1024 x 1024
// grid. Both commands run in this process; what they print goes to /dev/null.
#include "Commands.h"
#include "DemoScenes.h"
#include "DemoTerrain.h"
#include "QuietInteraction.h"
#include "scene/SceneScript.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace vistagon;
using Clock = std::chrono::steady_clock;

constexpr int kPlanRuns = 7;

// Runs a command line with stdout and stderr (the rows, the render's summary
// and progress) silenced; the exit status tells whether it ran through.
double Seconds(const std::vector<std::string>& words, int& status)
{
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = dup(STDOUT_FILENO);
    const int savedErr = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    close(null);
    const auto start = Clock::now();
    status = cli::RunCommandLine(words);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, STDOUT_FILENO);
    dup2(savedErr, STDERR_FILENO);
    close(savedOut);
    close(savedErr);
    return seconds;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The demo's terrain, texture and mask, and its fly-through; with a
// 1024-cell grid and 600 frames for the long flight.
bool WriteScenes(AppContext& context)
{
    const cli::DemoTerrain demo(9, 20240611);
    const SceneParameters flight = cli::DemoFlight();
    if (!demo.WriteElevation(context, cli::kDemoTerrain) || !demo.WriteTexture(context, cli::kDemoTexture, cli::kDemoZScale) ||
        !cli::WriteDemoMask(context, cli::kDemoMask, flight.SizeX, flight.SizeY))
        return false;
    if (!SaveScene(context, flight, cli::kDemoFlightScene)) return false;

    const cli::DemoTerrain large(10, 20240611);
    if (!large.WriteElevation(context, "large.tga") || !large.WriteTexture(context, "large-texture.tga", cli::kDemoZScale))
        return false;
    SceneParameters longFlight = flight;
    longFlight.ElevationFileName = "large.tga";
    longFlight.TextureFileName = "large-texture.tga";
    longFlight.GridX = longFlight.GridY = 1024;
    longFlight.Total = 601;
    longFlight.To = 599;
    longFlight.OutputFileName = "long%03d.tga";
    // The demo's loop, twice as large on the twice as large terrain.
    for (int i = 0; i <= longFlight.LastPathPoint; ++i) {
        longFlight.PathPoints[static_cast<size_t>(i)].x *= 2;
        longFlight.PathPoints[static_cast<size_t>(i)].y *= 2;
    }
    return SaveScene(context, longFlight, "long.vgs");
}

void Measure(const char* title, const std::string& scene, int frames, int renders)
{
    std::vector<double> plans;
    int status = 0;
    for (int i = 0; i < kPlanRuns; ++i) {
        plans.push_back(Seconds({"--profile", "bench.ini", "plan", scene}, status));
        if (status != 0) std::fprintf(stderr, "plan failed: %d\n", status);
    }
    std::vector<double> rendered;
    for (int i = 0; i < renders; ++i) {
        rendered.push_back(Seconds({"--profile", "bench.ini", "render", scene, "--jobs", "2"}, status));
        if (status != 0) std::fprintf(stderr, "render failed: %d\n", status);
    }
    const double plan = Median(plans);
    const double render = Median(rendered);
    std::printf("%-44s %4d frames  plan %8.4f s (median of %d)  render --jobs 2 %8.2f s (median of %d)  plan/render %.3f %%\n",
                title, frames, plan, kPlanRuns, render, renders, 100.0 * plan / render);
}

}  // namespace

int main(int argc, char** argv)
{
    const int renders = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("vistagon-plan-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    bench::QuietInteraction ui;
    AppContext context{ui, Profile("")};
    const bool written = WriteScenes(context);
    if (written) {
        Measure("demo fly-through, 320 x 240, 256 x 256 grid", cli::kDemoFlightScene, 60, renders);
        Measure("curved flight, 320 x 240, 1024 x 1024 grid", "long.vgs", 600, renders);
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
    if (!written) std::fprintf(stderr, "cannot write the scenes\n");
    return written ? 0 : 1;
}
