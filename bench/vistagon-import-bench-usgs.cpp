// Times the merge of four adjacent 1-degree USGS DEM files (arc-seconds,
// spacing 3", 1201 profiles of 1201 elevations each, blocked in 1024-character
// records as the files come) into one elevation file, and prints the seconds
// of each run and the best.
//   vistagon-import-bench-usgs [RUNS]   (default 3)
#include "QuietInteraction.h"
#include "import/usgsdem/UsgsDemJob.h"
#include "platform/AppContext.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace vistagon;

constexpr int kSide = 1201;
constexpr double kSpacing = 3.0;  // arc-seconds
constexpr double kDegree = 3600.0;
constexpr size_t kBlock = 1024;

using bench::QuietInteraction;

// Accepts every header; a jump question (none is expected) is counted and declined.
class AcceptingFeedback : public UsgsDemFeedback {
public:
    bool ConfirmHeader(const std::string&, const std::vector<std::string>&) override { return true; }
    bool ContinueChecking(const std::string&) override
    {
        ++questions;
        return false;
    }
    void ShowCurrentFile(const std::string&) override {}
    int questions = 0;
};

std::string Int(int value, int width)
{
    char text[32];
    std::snprintf(text, sizeof text, "%*d", width, value);
    return text;
}

// Fortran style, as the files write reals.
std::string Real(double value, int width)
{
    char text[64];
    std::snprintf(text, sizeof text, "%*.*E", width, width > 12 ? 15 : 5, value);
    std::string s = text;
    s[s.find('E')] = 'D';
    return s;
}

void PadToBlock(std::string& text)
{
    text.resize((text.size() + kBlock - 1) / kBlock * kBlock, ' ');
}

// Rolling terrain without steps of 512 or more between neighbours.
int Elevation(double x, double y)
{
    return static_cast<int>(900.0 + 600.0 * std::sin(x * 0.0011) * std::cos(y * 0.0017) + 80.0 * std::sin((x + y) * 0.02));
}

// The type A record with the fields the filter needs, then one type B record per
// profile: 146 elevations in its first block, 170 in each further one.
std::string DemFile(double west, double south)
{
    std::string a(kBlock, ' ');
    const auto put = [&a](size_t offset, const std::string& text) { a.replace(offset, text.size(), text); };
    put(528, Int(3, 6));  // ground units: arc-seconds
    put(534, Int(2, 6));  // elevation units: metres
    put(540, Int(4, 6));
    const double xy[8] = {west, south, west, south + kDegree, west + kDegree, south + kDegree, west + kDegree, south};
    for (size_t i = 0; i < 8; ++i) put(546 + 24 * i, Real(xy[i], 24));
    put(816, Real(kSpacing, 12) + Real(kSpacing, 12) + Real(1, 12));
    put(852, Int(1, 6) + Int(kSide, 6));
    std::string file = a;
    file.reserve(kBlock * (1 + kSide * 8));
    for (int j = 0; j < kSide; ++j) {
        const double x = west + kSpacing * j;
        std::string b = Int(1, 6) + Int(j + 1, 6) + Int(kSide, 6) + Int(1, 6) + Real(x, 24) + Real(south, 24) +
                        Real(0, 24) + Real(0, 24) + Real(2000, 24);
        for (int k = 0; k < kSide; ++k) {
            if (k == 146 || (k > 146 && (k - 146) % 170 == 0)) PadToBlock(b);
            b += Int(Elevation(x, south + kSpacing * k), 6);
        }
        PadToBlock(b);
        file += b;
    }
    return file;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vistagon-bench-usgs";
    std::filesystem::create_directories(folder);
    UsgsDemOptions options;
    options.targetPath = (folder / "merged.tga").string();
    double megabytes = 0.0;
    for (int i = 0; i < 4; ++i) {
        // A 2 x 2 block of quads at 120 W, 40 N.
        const std::string text = DemFile(-120.0 * kDegree + (i % 2) * kDegree, 40.0 * kDegree + (i / 2) * kDegree);
        options.sourcePaths.push_back((folder / ("quad" + std::to_string(i) + ".dem")).string());
        std::ofstream(options.sourcePaths.back(), std::ios::binary) << text;
        megabytes += text.size() / 1e6;
    }
    std::printf("4 DEM files of %d profiles x %d elevations, %.1f MB\n", kSide, kSide, megabytes);

    QuietInteraction ui(false);  // the result box after every run is expected
    AppContext context{ui, Profile((folder / "profile.ini").string())};
    double best = 1e300;
    int status = 0;
    for (int run = 1; run <= runs; ++run) {
        AcceptingFeedback feedback;
        const auto start = std::chrono::steady_clock::now();
        UsgsDemJob job(context, options, feedback);
        const bool ok = job.Run() && feedback.questions == 0;
        const double seconds = Seconds(start);
        best = std::min(best, seconds);
        if (!ok) status = 1;
        std::error_code error;
        const auto bytes = std::filesystem::file_size(options.targetPath, error);
        std::printf("run %d: merge %s in %.3f s (%ld positive elevations, %d jump questions, output %.2f MB)\n", run,
                    ok ? "done" : "FAILED", seconds, job.positiveCount(), feedback.questions, error ? 0.0 : bytes / 1e6);
    }
    const double elevations = 4.0 * kSide * kSide;
    std::printf("best: %.3f s (%.2f M elevations/s)\n", best, elevations / best / 1e6);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return status;
}
