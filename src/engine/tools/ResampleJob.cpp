#include "tools/ResampleJob.h"

#include "image/ElevationEncoding.h"
#include "platform/messages/ToolMessages.h"

namespace vistagon {

namespace {

// The block's sum of unsigned values; its lowest 24 bits are what is stored.
uint32_t BlockSum(const CTGAFile& source, int x, int y, int n)
{
    uint32_t sum = 0;
    for (int j = 0; j < n; ++j) {
        const uint8_t* in = source.PixelBase() + static_cast<size_t>(y + j) * source.Stride() + 3 * static_cast<size_t>(x);
        for (int i = 0; i < n; ++i, in += 3) sum += DecodeElevationRaw(in);
    }
    return sum;
}

// Blocks start at the bottom row, so the source rows left over are the top
// ones, where GDAL's first row is.
std::optional<Georeference> Reduced(const std::optional<Georeference>& source, int n, int height, int targetHeight)
{
    if (!source) return std::nullopt;
    return source->ForPixels(0.0, height - static_cast<double>(n) * targetHeight, n, n);
}

}  // namespace

bool ResampleJob::Convert()
{
    if (options_.reduction < 0 || options_.reduction > 2) {
        context_.ui.ShowMessage(msg::kReductionRange.text, MessageIcon::Stop);
        return false;
    }
    const int n = options_.Factor();
    const std::optional<Georeference> georeference = ReadGeoreference(options_.source);
    CTGAFile source = MakeImage();
    if (!source.OnOpenDocument(options_.source)) return false;
    const int height = source.GetHeight();
    const int targetWidth = source.GetWidth() / n;
    const int targetHeight = height / n;
    CTGAFile target = MakeImage();
    if (!target.CreateImage(targetWidth, targetHeight)) return false;

    RowProgress progress = MakeProgress(height / static_cast<double>(n));
    for (int y = 0; y < height; y += n) {
        if (!NextRow(progress)) break;
        const int targetY = y / n;
        if (targetY >= targetHeight) continue;  // a partial block row
        uint8_t* out = RowOf(target, targetY);
        for (int targetX = 0; targetX < targetWidth; ++targetX, out += 3)
            Put(out, EncodeElevation(static_cast<int32_t>(BlockSum(source, targetX * n, y, n) & 0xFFFFFF)));
    }
    return SaveUnlessCancelled(target, options_.target, Reduced(georeference, n, height, targetHeight));
}

}  // namespace vistagon
