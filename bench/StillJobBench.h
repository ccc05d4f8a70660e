#pragma once

// The oblique still as a whole render job: the scene file, the terrain and
// texture files and the job itself, drawn with one and with two workers (the
// second sharing the frame between two threads), and as two one-worker jobs at
// once, in alternating runs, wall-clock time.

#include "QuietInteraction.h"
#include "flight/RenderJob.h"
#include "image/CTGAFile.h"
#include "image/ElevationGrid.h"
#include "platform/AppContext.h"
#include "platform/TempFiles.h"
#include "scene/SceneParameters.h"
#include "scene/SceneScript.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace vistagon::bench {


// Across the whole grid from just outside its southern edge.
inline SceneParameters ObliqueStill(const std::string& stem, int width, int height)
{
    SceneParameters s;
    s.XA = s.XZ = 512.5;
    s.YA = s.YZ = -102.5;
    s.ZA = s.ZZ = 200;
    s.PitchA = s.PitchZ = -12;
    s.FocalLengthA = s.FocalLengthZ = 556.8;
    s.ElevScaleZA = s.ElevScaleZZ = 0.05;
    s.DustA = s.DustZ = 1333;
    s.Total = 1;
    s.LightX = -1;
    s.LightY = 1;
    s.LightZ = 2;
    s.OutputFileName = stem + "-still%03d.tga";
    s.UseTextureFile = 1;
    s.TextureFileName = stem + "-texture.tga";
    s.ElevationFileName = stem + "-terrain.tga";
    s.ElevScaleX = s.ElevScaleY = 1;
    s.SizeX = width;
    s.SizeY = height;
    s.GridX = s.GridY = 1024;
    s.UseBackgroundColor = 1;
    s.BackgroundColor = 0xE1CDBE;
    return s;
}

inline double RunStillJob(AppContext& context, const SceneParameters& scene, const std::string& script, int workers)
{
    WriteScene(scene, script);
    RenderHost host;
    const auto start = std::chrono::steady_clock::now();
    const JobReport report = RunJob(context, host, script, RenderMode::Final, RenderJobOptions{workers, {}, {}});
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (report.outcome != JobOutcome::Completed) std::fprintf(stderr, "the still was not rendered\n");
    return seconds;
}

// Two stills as separate one-worker jobs at the same time, on threads of their
// own: what two cores of this machine give for work that shares nothing, the
// ceiling of a frame shared by two threads.
inline double RunTwoStillJobsAtOnce(AppContext& context, const SceneParameters& scene, const std::string& stem)
{
    SceneParameters second = scene;
    second.OutputFileName = stem + "-other%03d.tga";
    const FileRemover removeFrame(stem + "-other000.tga");
    const FileRemover removeScript(stem + "-other.vgs");
    const FileRemover removeProfile(stem + "-other.ini");
    // The other job shares nothing with this one, its interaction and profile included.
    QuietInteraction otherUi;
    AppContext otherContext{otherUi, Profile(stem + "-other.ini")};
    const auto start = std::chrono::steady_clock::now();
    {
        std::jthread other([&] { RunStillJob(otherContext, second, stem + "-other.vgs", 1); });
        RunStillJob(context, scene, stem + "-still.vgs", 1);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Saves grid and texture beside stem, then prints per size the two job times
// and their ratio, and the throughput of two one-worker jobs at once.
inline void CompareStillJobs(AppContext& context, ElevationGrid& grid, CTGAFile& texture, const std::string& stem,
                             int runs)
{
    if (!grid.OnSaveDocument(stem + "-terrain.tga") || !texture.OnSaveDocument(stem + "-texture.tga")) return;
    const FileRemover removeTerrain(stem + "-terrain.tga");
    const FileRemover removeTexture(stem + "-texture.tga");
    const FileRemover removeFrame(stem + "-still000.tga");
    const FileRemover removeScript(stem + "-still.vgs");
    std::printf("\nOblique Final still as a render job, textured, 1024 x 1024 cells, HQ off, wall-clock seconds, "
                "best of %d alternating runs\n",
                runs);
    std::printf("%-12s %10s %10s %8s %22s %17s\n", "size", "--jobs 1", "--jobs 2", "ratio", "two jobs 1 at once",
                "share of ceiling");
    for (const auto& [width, height] : std::vector<std::pair<int, int>>{{640, 480}, {1920, 1080}}) {
        const SceneParameters scene = ObliqueStill(stem, width, height);
        double best[3] = {0, 0, 0};
        for (int run = 0; run < runs; ++run) {
            for (int k = 0; k < 3; ++k) {
                const double seconds = k < 2 ? RunStillJob(context, scene, stem + "-still.vgs", k + 1)
                                             : RunTwoStillJobsAtOnce(context, scene, stem);
                if (run == 0 || seconds < best[k]) best[k] = seconds;
            }
        }
        const std::string size = std::to_string(width) + " x " + std::to_string(height);
        const double ratio = best[0] / best[1];
        const double ceiling = 2 * best[0] / best[2];
        std::printf("%-12s %10.3f %10.3f %7.2fx %10.3f s, %5.2fx %16.0f%%\n", size.c_str(), best[0], best[1], ratio,
                    best[2], ceiling, 100 * ratio / ceiling);
    }
}

}  // namespace vistagon::bench
