// USGS DEM import of one file, and of the file merged with itself; every header
// is accepted, the jump question is answered No.
#include "FuzzSupport.h"
#include "import/usgsdem/UsgsDemJob.h"
#include "platform/TempFiles.h"

namespace {

class AcceptingFeedback : public vistagon::UsgsDemFeedback {
public:
    bool ConfirmHeader(const std::string&, const std::vector<std::string>&) override { return true; }
    bool ContinueChecking(const std::string&) override { return false; }
    void ShowCurrentFile(const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistagon;
    static const fuzz::FuzzFolder folder;
    fuzz::FuzzSession session(folder);
    AppContext& context = session.context;
    AcceptingFeedback feedback;

    UsgsDemOptions options;
    options.targetPath = folder.File("out.tga");
    options.pixelLimit = 1 << 20;  // keeps every run small; larger rasters are refused up front
    const FileRemover remove(options.targetPath);
    const std::string path = folder.Write("input.dem", data, size);
    options.sourcePaths = {path};
    UsgsDemJob(context, options, feedback).Run();
    options.sourcePaths = {path, path};
    options.voidValue = 0;
    UsgsDemJob(context, options, feedback).Run();
    return 0;
}
