#pragma once

// The oblique still's view drawn over the same hills sampled ever finer, 512 x
// 512 to 4096 x 4096 cells (one cell per node), with blocks of hidden cells
// left out and walked cell by cell: processor seconds per frame and what the
// walk did, so that the cost of a frame can be seen to follow what shows
// rather than the number of cells.

#include "BenchFrame.h"
#include "image/ElevationEncoding.h"
#include "image/ElevationGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace vistagon::bench {

// The hills of scripts/make-still-terrain.py over size x size nodes, 0 to 3000
// stored units: a sum of separable waves, so each is tabled once per column and row.
inline void FillStillHills(ElevationGrid& grid, int size)
{
    constexpr double kTwoPi = 2 * 3.141592653589793;
    constexpr double kWaves[4][3] = {{2.0, 1.5, 0.35}, {5.0, 4.0, 0.2}, {11.0, 13.0, 0.1}, {29.0, 23.0, 0.05}};
    std::vector<double> across(static_cast<size_t>(4 * size)), down(static_cast<size_t>(4 * size));
    for (int i = 0; i < size; ++i) {
        const double t = static_cast<double>(i) / (size - 1);
        for (int k = 0; k < 4; ++k) {
            across[static_cast<size_t>(4 * i + k)] = kWaves[k][2] * std::sin(kTwoPi * (kWaves[k][0] * t + 0.3 * k));
            down[static_cast<size_t>(4 * i + k)] = std::cos(kTwoPi * (kWaves[k][1] * t + 0.17 * k));
        }
    }
    uint8_t* base = grid.PixelBase();
    for (int y = 0; y < size; ++y) {
        uint8_t* pixel = base + static_cast<size_t>(y) * grid.Stride();
        for (int x = 0; x < size; ++x, pixel += 3) {
            double h = 0.0;
            for (int k = 0; k < 4; ++k)
                h += across[static_cast<size_t>(4 * x + k)] * down[static_cast<size_t>(4 * y + k)];
            const double grain = ((x * 7919L + y * 104729L) % 1013) / 1013.0 - 0.5;
            const int value = std::clamp(static_cast<int>((h + 0.7) / 1.4 * 3000 + grain * 20), 0, 3000);
            const Bgr encoded = EncodeElevation(value);
            pixel[0] = encoded.b, pixel[1] = encoded.g, pixel[2] = encoded.r;
        }
    }
}

struct GridFrame {
    double seconds = 0;
    FrameStatistics statistics;
};

// The best of runs frames, processor time (the process draws on one thread).
inline GridFrame RenderGridFrame(AppContext& context, ElevationGrid& grid, const CTGAFile& texture, int cells,
                                 bool skipHidden, int runs)
{
    RenderSettings settings;
    settings.mode = RenderMode::Final;
    settings.outputWidth = 640;
    settings.outputHeight = 480;
    settings.divisionsX = settings.divisionsY = cells;
    settings.light = Vec4::Direction(-1, 1, 2);
    settings.light.Normalize();
    settings.elevation = &grid;
    settings.useBackground = true;
    settings.backgroundColour = 0xE1CDBE;

    FrameCamera camera;
    camera.position = Vec4::Point(512.5, -102.5, 200);
    camera.pitch = -12;
    camera.focalLength = 556.8;
    camera.zScale = 0.05;
    camera.dustDistance = 1333;

    BenchFrame frame(context, settings, texture, camera);
    frame.renderer.SetSkipHiddenBlocks(skipHidden);
    GridFrame best;
    for (int run = 0; run < runs; ++run) {
        const std::clock_t start = std::clock();
        frame.renderer.Clear(frame.output);
        frame.renderer.Draw(frame.output, camera.dustDistance);
        const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        if (run == 0 || seconds < best.seconds) best = {seconds, frame.renderer.statistics()};
    }
    return best;
}

// texture: one texel per terrain unit over the 1024 units every grid spans.
inline void CompareGridSizes(AppContext& context, const CTGAFile& texture, int runs)
{
    std::printf("\nOblique Final still 640 x 480, textured, HQ off, the same hills at every grid size, processor "
                "seconds per frame, best of %d runs\n",
                runs);
    std::printf("%-12s %10s %10s %12s %12s %12s\n", "cells", "skipping", "walking", "cells walked", "cells skipped",
                "triangles");
    for (const int cells : {512, 1024, 2048, 4096}) {
        // One node per cell corner, spread over the same 1024 units.
        ElevationGrid grid(context, 1024.0 / cells, 1024.0 / cells, true);
        if (!grid.CreateImage(cells + 1, cells + 1)) return;
        FillStillHills(grid, cells + 1);
        const GridFrame skipping = RenderGridFrame(context, grid, texture, cells, true, runs);
        const GridFrame walking = RenderGridFrame(context, grid, texture, cells, false, runs);
        const std::string label = std::to_string(cells) + " x " + std::to_string(cells);
        std::printf("%-12s %10.3f %10.3f %12ld %12ld %12ld\n", label.c_str(), skipping.seconds, walking.seconds,
                    skipping.statistics.cellsVisited - skipping.statistics.cellsSkipped,
                    skipping.statistics.cellsSkipped, skipping.statistics.trianglesDrawn);
    }
}

}  // namespace vistagon::bench
