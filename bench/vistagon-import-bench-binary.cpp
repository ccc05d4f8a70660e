// Times the binary raster import of a 1201 x 1201 tile of big-endian 16-bit
// samples (a 3-arc-second cell) described by its header file, header reading
// included, and prints the seconds of each run and the best.
//   vistagon-import-bench-binary [RUNS]   (default 5)
#include "QuietInteraction.h"
#include "import/binarydem/BinaryDemJob.h"
#include "import/binarydem/BinaryHeaderReader.h"
#include "platform/AppContext.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace vistagon;

constexpr int kSide = 1201;

using bench::QuietInteraction;

void WriteTile(const std::filesystem::path& raster, const std::filesystem::path& header)
{
    std::string bytes;
    bytes.reserve(2u * kSide * kSide);
    for (int row = 0; row < kSide; ++row) {
        for (int column = 0; column < kSide; ++column) {
            const auto sample = static_cast<uint16_t>((row * 7 + column * 3) % 4000 - 500);
            bytes += static_cast<char>(sample >> 8);
            bytes += static_cast<char>(sample & 0xFF);
        }
    }
    std::ofstream(raster, std::ios::binary) << bytes;
    std::ofstream(header) << "ncols 1201\nnrows 1201\nnbits 16\nbyteorder M\nlayout bil\n"
                             "ulxmap -120.0\nulymap 40.0\nxdim 0.000833333333333\nydim 0.000833333333333\n";
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vistagon-bench-binary";
    std::filesystem::create_directories(folder);
    BinaryDemOptions options;
    options.headerPath = (folder / "tile.hdr").string();
    options.sourcePath = (folder / "tile.bil").string();
    options.targetPath = (folder / "out.tga").string();
    options.zScale = 1.0;
    WriteTile(options.sourcePath, options.headerPath);
    std::printf("raster %d x %d, 16-bit big-endian, %.2f MB\n", kSide, kSide, 2.0 * kSide * kSide / 1e6);

    QuietInteraction ui(false);  // the result box after every run is expected
    AppContext context{ui, Profile((folder / "profile.ini").string())};
    double best = 1e300;
    int status = 0;
    for (int run = 1; run <= runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        BinaryHeaderInfo header;
        bool ok = ReadBinaryHeader(options.headerPath, ui, header) == HeaderReadResult::Loaded;
        if (ok) {
            options.TakeHeaderGeometry(header);
            ok = BinaryDemJob(context, header, options).Run();
        }
        const double seconds = Seconds(start);
        best = std::min(best, seconds);
        if (!ok) status = 1;
        std::error_code error;
        const auto bytes = std::filesystem::file_size(options.targetPath, error);
        std::printf("run %d: header + import %s in %.3f s (output %.2f MB)\n", run, ok ? "done" : "FAILED", seconds,
                    error ? 0.0 : bytes / 1e6);
    }
    std::printf("best: %.3f s (%.1f M samples/s)\n", best, double(kSide) * kSide / best / 1e6);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return status;
}
