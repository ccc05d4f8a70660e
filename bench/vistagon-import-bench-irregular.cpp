// Times the gridding of scattered points: the triangulation and the raster
// drawing of 1e4, 1e5 and 1e6 uniformly random points on a 1024 x 1024 output,
// then the whole ASCII import (text reading, gridding, saving) of the same
// points. Processor seconds are printed beside the wall clock ones, since on a
// shared machine the latter also count the time other processes take. The
// time per point stays about flat when the insertion does not slow down with
// the number of points.
//   vistagon-import-bench-irregular [FOLDER]
// FOLDER (default: a temporary folder) receives points-N.txt, one "x y z" line
// per point, kept for comparisons with other gridding programs.
#include "QuietInteraction.h"
#include "image/CTGAFile.h"
#include "import/irregular/AsciiIrregularJob.h"
#include "import/irregular/DelaunayTriangulation.h"
#include "import/irregular/NodalTriangleRaster.h"
#include "platform/AppContext.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace vistagon;

constexpr int kSide = 1024;

using bench::QuietInteraction;

// Points in 0 ... kSide on a smooth hill-and-valley surface.
std::vector<NodalPoint> RandomPoints(size_t count)
{
    std::mt19937_64 engine(20240611u + count);
    std::uniform_real_distribution<double> coordinate(0.0, kSide);
    std::vector<NodalPoint> points(count);
    for (NodalPoint& p : points) {
        p.x = coordinate(engine);
        p.y = coordinate(engine);
        p.z = 300.0 * std::sin(p.x / 97.0) * std::cos(p.y / 131.0) + 0.5 * p.x;
    }
    return points;
}

void WritePoints(const std::vector<NodalPoint>& points, const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) return;
    for (const NodalPoint& p : points) std::fprintf(file, "%.6f %.6f %.4f\n", p.x, p.y, p.z);
    std::fclose(file);
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double ProcessorSeconds(std::clock_t since)
{
    return static_cast<double>(std::clock() - since) / CLOCKS_PER_SEC;
}

struct Timing {
    double triangulate = 0.0;
    double draw = 0.0;
    double processor = 0.0;  // both, in processor time
    size_t triangles = 0;
};

Timing TimeGridding(AppContext& context, std::vector<NodalPoint> points)
{
    Timing timing;
    const std::clock_t processorStart = std::clock();
    auto start = std::chrono::steady_clock::now();
    const Triangulation mesh = TriangulateNodalPoints(points, [](size_t) { return true; });
    timing.triangulate = Seconds(start);
    timing.triangles = mesh.triangles.size();
    if (mesh.outcome != TriangulationOutcome::Complete) std::fprintf(stderr, "triangulation did not complete\n");
    CTGAFile image(context);
    if (!image.CreateImage(kSide, kSide)) return timing;
    image.FillGray(0);
    start = std::chrono::steady_clock::now();
    RasteriseNodalTriangles(points, mesh.triangles, image);
    timing.draw = Seconds(start);
    timing.processor = ProcessorSeconds(processorStart);
    image.OnCloseDocument();
    return timing;
}

struct ImportTiming {
    double wall = 0.0;
    double processor = 0.0;
};

ImportTiming TimeAsciiImport(AppContext& context, const std::string& source, const std::string& target, size_t count)
{
    AsciiIrregularOptions options;
    options.source = source;
    options.target = target;
    options.minX = options.minY = 0.0;
    options.maxX = options.maxY = kSide;
    options.width = options.height = kSide;
    options.zScale = 1.0;
    options.estimate = static_cast<int>(count) + 1;
    AsciiIrregularJob job(context, options);
    const std::clock_t processorStart = std::clock();
    const auto start = std::chrono::steady_clock::now();
    if (!job.Run()) std::fprintf(stderr, "the ASCII import failed\n");
    return {Seconds(start), ProcessorSeconds(processorStart)};
}

}  // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path folder =
        argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path() / "vistagon-bench-irregular";
    std::filesystem::create_directories(folder);
    QuietInteraction ui;
    AppContext context{ui, Profile((folder / "profile.ini").string())};

    std::printf("%-9s %10s %12s %10s %10s %14s %14s %12s\n", "points", "triangles", "triangulate", "draw", "cpu",
                "cpu us/point", "ascii import", "its cpu");
    for (const size_t count : {size_t{10000}, size_t{100000}, size_t{1000000}}) {
        const std::vector<NodalPoint> points = RandomPoints(count);
        const std::string text = (folder / ("points-" + std::to_string(count) + ".txt")).string();
        WritePoints(points, text);
        const Timing timing = TimeGridding(context, points);
        const double perPoint = timing.processor / static_cast<double>(count) * 1e6;
        const ImportTiming import = TimeAsciiImport(context, text, (folder / "out.tga").string(), count);
        std::printf("%-9zu %10zu %11.3fs %9.3fs %9.3fs %14.3f %13.3fs %11.3fs\n", count, timing.triangles,
                    timing.triangulate, timing.draw, timing.processor, perPoint, import.wall, import.processor);
        std::fflush(stdout);
    }
    std::printf("point files and out.tga in %s\n", folder.string().c_str());
    return 0;
}
