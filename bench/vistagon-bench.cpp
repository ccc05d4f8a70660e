// Renders one fixed Final frame and prints what it costs: seconds per frame,
// cells and triangles per second, with a no-op pump, with the pump and progress
// path of a render job, and with a pump that reads the clock at every cell.
#include "GridSizeBench.h"
#include "QuietInteraction.h"
#include "StillJobBench.h"
#include "flight/WorkerInteraction.h"
#include "image/CTGAFile.h"
#include "image/ElevationEncoding.h"
#include "image/ElevationGrid.h"
#include "platform/AppContext.h"
#include "platform/TempFiles.h"
#include "render/FrameRenderer.h"
#include "render/Projector.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

using namespace vistagon;
using Clock = std::chrono::steady_clock;

constexpr int kGridSize = 1025;
constexpr int kRuns = 7;

// A front end that does nothing: the baseline.
using bench::QuietInteraction;

// The pump of a render job that draws on the interface's own thread: every cell
// goes through the worker's interaction to the front end, the clock is looked
// at once per kPumpsPerClockRead pumps to rate-limit repaints, and the "%d%%"
// row text is parsed back into a number and passed on when it changes.
constexpr long kPumpsPerClockRead = 64;  // as the job's frame scheduler does

class JobPump {
public:
    explicit JobPump(UserInteraction& frontEnd)
        : frontEnd_(frontEnd), worker_(frontEnd, [this] { Pump(); }, [this](int percent) { Percent(percent); })
    {
    }
    UserInteraction& ui() { return worker_; }

private:
    void Pump()
    {
        frontEnd_.Pump();
        if (++pumpsSinceClock_ < kPumpsPerClockRead) return;
        pumpsSinceClock_ = 0;
        const auto now = Clock::now();
        if (now - lastRedraw_ < std::chrono::milliseconds(50)) return;
        lastRedraw_ = now;
        ++redraws_;
    }
    void Percent(int percent)
    {
        if (percent == shownPercent_) return;
        shownPercent_ = percent;
        ++reports_;
    }

    UserInteraction& frontEnd_;
    WorkerInteraction worker_;
    long pumpsSinceClock_ = 0;
    Clock::time_point lastRedraw_ = Clock::now();
    long redraws_ = 0;
    int shownPercent_ = -1;
    long reports_ = 0;
};

// The worst case: a front end that looks at the clock at every cell and keeps
// every status text.
class ClockEveryCell : public QuietInteraction {
public:
    void SetText(std::string_view text) override { status_.assign(text); }
    void Pump() override
    {
        const auto now = Clock::now();
        if (now - lastDispatch_ > std::chrono::milliseconds(50)) {
            lastDispatch_ = now;
            ++dispatches_;
        }
    }

private:
    std::string status_;
    Clock::time_point lastDispatch_ = Clock::now();
    long dispatches_ = 0;
};

// A diamond-square terrain, 0..about 250 units high, the same on every run.
std::vector<double> FractalHeights()
{
    std::vector<double> h(static_cast<size_t>(kGridSize) * kGridSize, 0.0);
    uint64_t seed = 0x9E3779B97F4A7C15ull;
    const auto noise = [&seed](double amplitude) {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        return amplitude * (static_cast<double>(seed >> 11) / 9007199254740992.0 - 0.5);
    };
    const auto at = [&h](int x, int y) -> double& { return h[static_cast<size_t>(y) * kGridSize + x]; };
    double amplitude = 400.0;
    for (int step = kGridSize - 1; step > 1; step /= 2, amplitude *= 0.55) {
        const int half = step / 2;
        for (int y = half; y < kGridSize; y += step)
            for (int x = half; x < kGridSize; x += step)
                at(x, y) = (at(x - half, y - half) + at(x + half, y - half) + at(x - half, y + half) +
                            at(x + half, y + half)) / 4 + noise(amplitude);
        for (int y = 0; y < kGridSize; y += half) {
            for (int x = (y / half) % 2 == 0 ? half : 0; x < kGridSize; x += step) {
                double sum = 0;
                int count = 0;
                if (x >= half) sum += at(x - half, y), ++count;
                if (x + half < kGridSize) sum += at(x + half, y), ++count;
                if (y >= half) sum += at(x, y - half), ++count;
                if (y + half < kGridSize) sum += at(x, y + half), ++count;
                at(x, y) = sum / count + noise(amplitude);
            }
        }
    }
    const auto [low, high] = std::minmax_element(h.begin(), h.end());
    const double base = *low, range = *high - *low;
    for (double& v : h) v = (v - base) / range * 250.0;
    return h;
}

void FillTerrain(ElevationGrid& grid, CTGAFile& texture, const std::vector<double>& heights, double heightScale = 1.0)
{
    Bgr elevation, colour;
    grid.SetDrawColor(&elevation);
    texture.SetDrawColor(&colour);
    for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
            const double h = heights[static_cast<size_t>(y) * kGridSize + x];
            elevation = EncodeElevation(static_cast<int32_t>(h * heightScale));
            grid.SetPixel(x, y);
            // Green valleys, brown slopes, white tops, with a little texel noise.
            const int grain = (x * 7 + y * 13) % 17;
            colour = h < 90    ? Bgr{uint8_t(40 + grain), uint8_t(120 + grain), uint8_t(50 + grain)}
                               : h < 180 ? Bgr{uint8_t(50 + grain), uint8_t(90 + grain), uint8_t(130 + grain)}
                                         : Bgr{uint8_t(220 + grain), uint8_t(220 + grain), uint8_t(225 + grain)};
            texture.SetPixel(x, y);
        }
    }
    grid.SetDrawColor(&grid.background());
    texture.SetDrawColor(&texture.background());
}

struct Figures {
    double seconds = 0;
    FrameStatistics statistics;
};

Figures RenderOnce(AppContext& context, ElevationGrid& grid, CTGAFile& texture, bool highQuality,
                   const std::string& file)
{
    RenderSettings settings;
    settings.mode = RenderMode::Final;
    settings.outputWidth = 640;
    settings.outputHeight = 480;
    settings.divisionsX = 1024;
    settings.divisionsY = 1024;
    settings.light = Vec4::Direction(0.4, -0.3, 0.87);
    settings.light.Normalize();
    settings.elevation = &grid;
    settings.highQuality = highQuality;

    FrameCamera camera;
    camera.position = Vec4::Point(120, 90, 330);
    camera.heading = 38;
    camera.pitch = -14;
    camera.focalLength = 460;
    camera.dustDistance = 600;

    bench::BenchFrame frame(context, settings, texture, camera);

    // Processor time of this single-threaded process: the machine may be busy with other work.
    const std::clock_t start = std::clock();
    const FrameOutcome outcome = frame.renderer.RenderFrame(frame.output, file, camera.dustDistance);
    Figures figures;
    figures.seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    figures.statistics = frame.renderer.statistics();
    if (outcome != FrameOutcome::Saved) std::fprintf(stderr, "the frame was not saved\n");
    return figures;
}

void Print(const char* label, const Figures& f)
{
    std::printf("%-42s %8.3f s/frame %10.2f Mcells/s %10.2f Mtriangles/s   (%ld cells, %ld shaded, %ld triangles)\n",
                label, f.seconds, f.statistics.cellsVisited / f.seconds / 1e6,
                f.statistics.trianglesDrawn / f.seconds / 1e6, f.statistics.cellsVisited, f.statistics.cellsShaded,
                f.statistics.trianglesDrawn);
}

void PrintShare(const char* label, const Figures& with, const Figures& without)
{
    std::printf("%-42s %7.1f %%\n", label, 100.0 * (with.seconds - without.seconds) / with.seconds);
}

struct Variant {
    const char* label;
    AppContext* context;
    Figures best;
};

// The variants take turns run by run, so that a change in the machine's load
// touches all of them alike; each keeps its fastest run.
void RunInTurns(std::vector<Variant>& variants, ElevationGrid& grid, CTGAFile& texture, bool highQuality,
                const std::string& file)
{
    for (int run = 0; run < kRuns; ++run) {
        for (Variant& v : variants) {
            const Figures next = RenderOnce(*v.context, grid, texture, highQuality, file);
            if (run == 0 || next.seconds < v.best.seconds) v.best = next;
        }
    }
}

}  // namespace

// vistagon-bench [--once [--hq] | --still | --grids] [FRAME.tga]: --once renders
// a single frame, HQ off unless --hq (for a profiler); --still runs only the
// comparison of the oblique still on one and two workers; --grids only the
// frame time by grid size; a file name keeps the last frame rendered (HQ on
// without --once) for a look or a comparison.
int main(int argc, char** argv)
{
    const bool once = argc > 1 && std::strcmp(argv[1], "--once") == 0;
    if (once) --argc, ++argv;
    const bool stillOnly = !once && argc > 1 && std::strcmp(argv[1], "--still") == 0;
    if (stillOnly) --argc, ++argv;
    const bool gridsOnly = !once && !stillOnly && argc > 1 && std::strcmp(argv[1], "--grids") == 0;
    if (gridsOnly) --argc, ++argv;
    const bool onceHighQuality = once && argc > 1 && std::strcmp(argv[1], "--hq") == 0;
    if (onceHighQuality) --argc, ++argv;
    // A unique stem in the temporary folder; the frame and the profile (which the jobs write) go beside it.
    const std::string stem = MakeTempFileName("VIST");
    FileRemover removeStem(stem);
    FileRemover removeProfile(stem + ".ini");
    const std::string frame = argc > 1 ? std::string(argv[1]) : stem + ".tga";
    FileRemover removeFrame(argc > 1 ? std::string() : frame);

    QuietInteraction quiet;
    JobPump job(quiet);
    ClockEveryCell clockEveryCell;
    AppContext quietContext{quiet, Profile(stem + ".ini")};
    AppContext jobContext{job.ui(), Profile(stem + ".ini")};
    AppContext clockContext{clockEveryCell, Profile(stem + ".ini")};

    ElevationGrid grid(quietContext, 1.0, 1.0, true);
    CTGAFile texture(quietContext);
    if (!grid.CreateImage(kGridSize, kGridSize) || !texture.CreateImage(kGridSize, kGridSize)) return 1;
    const std::vector<double> heights = FractalHeights();
    FillTerrain(grid, texture, heights);

    // The still's hills rise to 3000 stored units, 150 at its z scale of 0.05.
    const auto compareStill = [&] {
        ElevationGrid tall(quietContext, 1.0, 1.0, true);
        CTGAFile tallTexture(quietContext);
        if (!tall.CreateImage(kGridSize, kGridSize) || !tallTexture.CreateImage(kGridSize, kGridSize)) return;
        FillTerrain(tall, tallTexture, heights, 12.0);
        bench::CompareStillJobs(quietContext, tall, tallTexture, stem, 5);
    };
    if (stillOnly) {
        compareStill();
        return 0;
    }
    if (gridsOnly) {
        bench::CompareGridSizes(quietContext, texture, 3);
        return 0;
    }

    if (once) {
        Print(onceHighQuality ? "HQ on, no-op pump, one run" : "HQ off, no-op pump, one run",
              RenderOnce(quietContext, grid, texture, onceHighQuality, frame));
        return 0;
    }
    std::printf("Final frame 640 x 480, %d x %d elevation, 1024 x 1024 cells, texture on, processor seconds on one "
                "thread, best of %d runs\n",
                kGridSize, kGridSize, kRuns);
    for (bool highQuality : {false, true}) {
        std::vector<Variant> variants{{"no-op pump", &quietContext, {}},
                                      {"job pump (clock per 64 cells)", &jobContext, {}},
                                      {"pump reading the clock every cell", &clockContext, {}}};
        RunInTurns(variants, grid, texture, highQuality, frame);
        for (const Variant& v : variants)
            Print((std::string(highQuality ? "HQ on,  " : "HQ off, ") + v.label).c_str(), v.best);
        PrintShare("job pump and progress share", variants[1].best, variants[0].best);
        PrintShare("clock-every-cell pump share", variants[2].best, variants[0].best);
    }
    compareStill();
    bench::CompareGridSizes(quietContext, texture, 3);
    return 0;
}
