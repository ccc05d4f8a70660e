#include "import/irregular/BlueZeroJob.h"

#include "image/CTGAFile.h"
#include "image/GeoreferenceFile.h"

#include <algorithm>
#include <cstring>

namespace vistagon {

bool BlueZeroJob::Run()
{
    ResetCancelled();
    const std::optional<Georeference> georeference = ReadGeoreference(options_.source);
    CTGAFile source(context_, true, 1.0, 1.0, &context_.ui.Status());
    if (!source.OnOpenDocument(options_.source)) return false;
    const int width = source.GetWidth();
    const int height = source.GetHeight();
    CTGAFile target(context_, true, 1.0, 1.0, &context_.ui.Status());
    if (!target.CreateImage(width, height)) {
        source.OnCloseDocument();
        return false;
    }
    RowProgress progress = MakeProgress(height);
    bool ok = true;
    for (int y = 0; y < height; ++y) {
        if (!NextRow(progress)) {
            ok = false;
            break;
        }
        const uint8_t* from = source.PixelBase() + static_cast<size_t>(y) * source.Stride();
        uint8_t* to = target.PixelBase() + static_cast<size_t>(y) * target.Stride();
        std::memcpy(to, from, 3 * static_cast<size_t>(width));
        for (int x = 0; x < width; ++x) to[3 * static_cast<size_t>(x)] = std::max<uint8_t>(to[3 * static_cast<size_t>(x)], 1);
    }
    if (ok) ok = target.OnSaveDocument(options_.target) && SaveGeoreference(context_, options_.target, georeference);
    target.OnCloseDocument();
    source.OnCloseDocument();
    ClearStatus();
    return ok;
}

}  // namespace vistagon
