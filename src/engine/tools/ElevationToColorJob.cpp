#include "tools/ElevationToColorJob.h"

#include "image/ElevationEncoding.h"
#include "platform/TextFormat.h"
#include "platform/messages/ToolMessages.h"

#include <algorithm>

namespace vistagon {

bool ElevationToColorJob::ReadPalette(std::vector<Bgr>& ramp)
{
    CTGAFile palette = MakeQuietImage();
    if (!palette.OnOpenDocument(options_.palette)) return false;
    const int width = palette.GetWidth();
    const int top = palette.GetHeight() - 1;
    if (width <= 0 || top < 0) {
        context_.ui.ShowMessage(FormatText(msg::kEmptyPalette.text, options_.palette.c_str()), MessageIcon::Stop);
        return false;
    }
    ramp.resize(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x) ramp[static_cast<size_t>(x)] = palette.GetPixel(x, top);
    return true;
}

bool ElevationToColorJob::Convert()
{
    const int32_t lower = options_.lowerLimit;
    const int32_t upper = options_.upperLimit;
    if (lower == upper) {
        // The ramp would be infinitely steep.
        context_.ui.ShowMessage(msg::kEqualAltitudeLimits.text, MessageIcon::Stop);
        return false;
    }
    std::vector<Bgr> ramp;
    if (!ReadPalette(ramp)) return false;
    const double scale = static_cast<double>(ramp.size()) / (static_cast<double>(upper) - static_cast<double>(lower));
    const size_t lastColumn = ramp.size() - 1;
    const Bgr low = ramp.front();
    const Bgr high = ramp.back();

    return MapPixels(options_.source, options_.target, [&](const uint8_t* in, uint8_t* out) {
        const int32_t h = DecodeElevation(in);
        if (h < lower) {
            Put(out, low);
        } else if (h > upper) {
            Put(out, high);
        } else {
            // Here lower <= h <= upper, so the column is at least 0 and the scale positive.
            const auto column = static_cast<size_t>((static_cast<double>(h) - lower) * scale);
            Put(out, ramp[std::min(column, lastColumn)]);
        }
    });
}

}  // namespace vistagon
