#include "tools/GrayToElevationJob.h"

#include "image/ElevationEncoding.h"

namespace vistagon {

bool GrayToElevationJob::Convert()
{
    CTGAFile source = MakeImage();
    CTGAFile target = MakeImage();
    if (!OpenWithTarget(source, options_.source, target)) return false;
    const int width = source.GetWidth();
    const int height = source.GetHeight();

    RowProgress progress = MakeProgress(height);
    for (int y = 0; y < height; ++y) {
        if (!NextRow(progress)) break;
        const uint8_t* in = RowOf(source, y);
        uint8_t* out = RowOf(target, y);
        for (int x = 0; x < width; ++x, in += 3, out += 3) {
            Put(out, EncodeElevation(in[0] + in[1] + in[2]));
        }
    }
    return SaveUnlessCancelled(target, options_.target);
}

}  // namespace vistagon
