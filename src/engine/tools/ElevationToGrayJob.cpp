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
    const double z = options_.zScale;
    double largestSaturated = 0.0;
    const bool saved = MapPixels(options_.source, options_.target, [z, &largestSaturated](const uint8_t* in, uint8_t* out) {
        out[0] = out[1] = out[2] = GrayOf(DecodeElevationRaw(in) * z, largestSaturated);
    });
    if (!saved) return false;
    if (!WasCancelled() && largestSaturated != 0.0)
        context_.ui.ShowMessage(FormatText(msg::kValuesSaturated.text, largestSaturated), MessageIcon::Information);
    return true;
}

}  // namespace vistagon
