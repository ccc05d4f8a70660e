#include "tools/ImageToolJob.h"

namespace vistagon {

bool ImageToolJob::Run()
{
    ResetCancelled();
    const bool ok = Convert();
    ClearStatus();
    return ok;
}

bool ImageToolJob::OpenWithTarget(CTGAFile& source, const std::string& sourcePath, CTGAFile& target)
{
    return source.OnOpenDocument(sourcePath) && target.CreateImage(source.GetWidth(), source.GetHeight());
}

bool ImageToolJob::SaveUnlessCancelled(CTGAFile& target, const std::string& path,
                                       const std::optional<Georeference>& georeference)
{
    if (WasCancelled()) return true;
    return target.OnSaveDocument(path) && SaveGeoreference(context_, path, georeference);
}

}  // namespace vistagon
