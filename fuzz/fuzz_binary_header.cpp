// Binary raster import: a header text and the raw samples, separated by the
// first NUL byte. Converts the whole raster and a region reaching outside it,
// to a TGA and to a YUV target; nothing is left behind.
#include "FuzzSupport.h"
#include "import/binarydem/BinaryDemJob.h"
#include "import/binarydem/BinaryHeaderReader.h"
#include "platform/TempFiles.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistagon;
    static const fuzz::FuzzFolder folder;
    fuzz::FuzzSession session(folder);
    AppContext& context = session.context;

    const uint8_t* end = data + size;
    const uint8_t* split = std::find(data, end, uint8_t{0});
    const std::string header = folder.Write("input.hdr", data, static_cast<size_t>(split - data));
    const uint8_t* samples = split == end ? end : split + 1;
    BinaryDemOptions options;
    options.sourcePath = folder.Write("input.bin", samples, static_cast<size_t>(end - samples));

    BinaryHeaderInfo info;
    if (ReadBinaryHeader(header, session.ui, info) != HeaderReadResult::Loaded) return 0;
    for (const char* target : {"out.tga", "out.yuv"}) {
        options.targetPath = folder.File(target);
        const FileRemover remove(options.targetPath);
        options.TakeHeaderGeometry(info);
        BinaryDemJob(context, info, options).Run();
        // Two pixels left of and above the raster, one pixel wider.
        options.upperLeftX -= 2 * info.xdim;
        options.upperLeftY += 2 * info.ydim;
        options.extentX += info.xdim;
        options.keepNodata = !options.keepNodata;
        BinaryDemJob(context, info, options).Run();
    }
    return 0;
}
