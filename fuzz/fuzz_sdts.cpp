// The SDTS raster import on arbitrary bytes, through the whole job: both
// passes, the size checks and the save. A failed run must leave no output.
#include "ConcordSeeds.h"
#include "FuzzSupport.h"
#include "import/iso8211/Reader.h"
#include "import/sdts/SdtsImportJob.h"
#include "import/sdts/SdtsRasterBuilder.h"

#include <cstdlib>
#include <filesystem>

namespace {

// Rasters beyond this are valid but would only make the fuzzer write large files.
constexpr int64_t kLargestFuzzedCells = int64_t(1) << 22;

bool SmallEnough(const std::string& path)
{
    using namespace vistagon;
    iso8211::Reader reader;
    reader.SetDecoderTable(SdtsRasterBuilder::Decoders());
    if (!reader.Open(path)) return true;
    SdtsRasterBuilder builder(0, 0);
    builder.BeginPass(1);
    iso8211::Record record;
    while (reader.ReadRecord(record)) builder.Take(record);
    const int64_t width = builder.RasterWidth(), height = builder.RasterHeight();
    return width <= 0 || height <= 0 || width > 65535 || height > 65535 || width * height <= kLargestFuzzedCells;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    vistagon::fuzz::AddConcordSeeds(argc, argv, __FILE__);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistagon;
    static const fuzz::FuzzFolder folder;
    fuzz::FuzzSession session(folder);
    AppContext& context = session.context;
    SdtsImportOptions options;
    options.sourcePath = folder.Write("CEL0.DDF", data, size);
    options.targetPath = folder.File("out.tga");
    if (!SmallEnough(options.sourcePath)) return 0;
    if (size > 0) options.voidValue = static_cast<int8_t>(data[size - 1]);

    SdtsImportJob job(context, options);
    const bool converted = job.Run();
    std::error_code error;
    if (!converted && std::filesystem::exists(options.targetPath, error)) std::abort();
    std::filesystem::remove(options.targetPath, error);
    return 0;
}
