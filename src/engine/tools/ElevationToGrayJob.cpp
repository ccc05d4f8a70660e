#include "tools/ElevationToGrayJob.h"

#include "image/ElevationEncoding.h"
#include "platform/TextFormat.h"
#include "platform/messages/ToolMessages.h"

#include <algorithm>

namespace vistagon {

namespace {

// The gray of one scaled value; largestSaturated collects what had to be cut to 255.
uint8_t GrayOf(double v, double& largestSaturated)
{
    if (v >= 255.0) {
        largestSaturated = std::max(largestSaturated, v);
        return 255;
    }
    // A negative z scale (or 0 times an infinite one) would otherwise wrap around the byte.
    if (!(v > 0.0)) return 0;
    return static_cast<uint8_t>(v);
}

}  // namespace

bool ElevationToGrayJob::Convert()
{
    CTGAFile source = MakeImage();
    CTGAFile target = MakeImage();
    if (!OpenWithTarget(source, options_.source, target)) return false;
    const int width = source.GetWidth();
    const int height = source.GetHeight();

    const double z = options_.zScale;
    double largestSaturated = 0.0;
    RowProgress progress = MakeProgress(height);
    for (int y = 0; y < height; ++y) {
        if (!NextRow(progress)) break;
        const uint8_t* in = RowOf(source, y);
        uint8_t* out = RowOf(target, y);
        for (int x = 0; x < width; ++x, in += 3, out += 3) {
            const uint8_t gray = GrayOf(DecodeElevationRaw(in) * z, largestSaturated);
            out[0] = out[1] = out[2] = gray;
        }
    }
    if (!SaveUnlessCancelled(target, options_.target)) return false;
    if (!WasCancelled() && largestSaturated != 0.0)
        context_.ui.ShowMessage(FormatText(msg::kValuesSaturated.text, largestSaturated), MessageIcon::Information);
    return true;
}

}  // namespace vistagon
