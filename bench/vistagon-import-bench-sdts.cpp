// Times the SDTS raster import of a 1201-row cell module (1201 x 1201 16-bit
// cells, as a 3-arc-second tile) and the ISO 8211 reading alone, and prints
// the figures of each run.
//   vistagon-import-bench-sdts [RUNS]   (default 5)
#include "QuietInteraction.h"
#include "import/iso8211/Reader.h"
#include "import/iso8211/Writer.h"
#include "import/sdts/SdtsImportJob.h"
#include "import/sdts/SdtsRasterBuilder.h"
#include "platform/AppContext.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace vistagon;
using iso8211::Writer;

constexpr int kSide = 1201;

using bench::QuietInteraction;

std::string CellModule()
{
    Writer writer("CEL0");
    writer.Describe({"0001", '0', '1', "DDF RECORD IDENTIFIER", "", ""});
    writer.Describe({"CELL", '1', '6', "Cell", "MODN!RCID!ROWI!COLI", "(A(4),I(6),I(6),I(6))"});
    writer.Describe({"CVLS", '2', '5', "Cell Values", "*ELEVATION", "(B(16))"});
    std::string file = writer.DescriptiveRecord();
    for (int row = 1; row <= kSide; ++row) {
        std::string cells;
        for (int column = 1; column <= kSide; ++column)
            cells += iso8211::BinaryMsbFirst((row * 7 + column * 3) % 4000 - 500, 2);
        const std::string id = iso8211::Padded(std::to_string(row), 6);
        file += Writer::DataRecord({{"0001", id}, {"CELL", "CEL0" + id + id + iso8211::Padded("1", 6)}, {"CVLS", cells}});
    }
    return file;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vistagon-bench-sdts";
    std::filesystem::create_directories(folder);
    const std::string source = (folder / "CEL0.DDF").string();
    const std::string target = (folder / "out.tga").string();
    {
        const std::string module = CellModule();
        std::ofstream(source, std::ios::binary) << module;
        std::printf("cell module: %d records of %d cells, %.2f MB\n", kSide, kSide, module.size() / 1e6);
    }

    QuietInteraction ui;
    AppContext context{ui, Profile((folder / "profile.ini").string())};
    std::vector<double> reads, imports;
    for (int run = 1; run <= runs; ++run) {
        auto start = std::chrono::steady_clock::now();
        iso8211::Reader reader;
        reader.SetDecoderTable(SdtsRasterBuilder::Decoders());
        iso8211::Record record;
        size_t values = 0;
        if (reader.Open(source))
            while (reader.ReadRecord(record)) values += record.values.size();
        reads.push_back(Seconds(start));

        start = std::chrono::steady_clock::now();
        SdtsImportOptions options;
        options.sourcePath = source;
        options.targetPath = target;
        SdtsImportJob job(context, options);
        const bool ok = job.Run();
        imports.push_back(Seconds(start));
        std::printf("run %d: read %zu records, %zu values in %.3f s; import (two passes + save) %s in %.3f s\n", run,
                    reader.recordsRead(), values, reads.back(), ok ? "done" : "FAILED", imports.back());
    }
    const double cells = double(kSide) * kSide;
    std::printf("median: read %.3f s (%.1f M cells/s); import %.3f s (%.1f M cells/s)\n", Median(reads),
                cells / Median(reads) / 1e6, Median(imports), cells / Median(imports) / 1e6);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
