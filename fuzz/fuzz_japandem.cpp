// Japan DEM import with the default void value and with 0 as void value. The
// three-digit size fields keep every raster below 1000 x 1000.
#include "FuzzSupport.h"
#include "import/japandem/JapanDemJob.h"
#include "platform/TempFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistagon;
    static const fuzz::FuzzFolder folder;
    fuzz::FuzzSession session(folder);
    AppContext& context = session.context;

    JapanDemOptions options;
    options.source = folder.Write("input.mem", data, size);
    options.target = folder.File("out.tga");
    const FileRemover remove(options.target);
    JapanDemJob(context, options).Run();
    options.voidValue = 0;
    JapanDemJob(context, options).Run();
    return 0;
}
