#include "import/irregular/TgaIrregularJob.h"

#include "image/CTGAFile.h"
#include "image/GeoreferenceFile.h"
#include "platform/messages/IrregularMessages.h"

namespace vistagon {

namespace {

// The pixel's red byte is the high, its green byte the low byte of a signed 16-bit height.
int NodalHeight(const uint8_t* bgr)
{
    const int h = bgr[2] * 256 + bgr[1];
    return bgr[2] >= 128 ? h - 65536 : h;
}

}  // namespace

TgaIrregularJob::TgaIrregularJob(AppContext& context, TgaIrregularOptions options)
    : NodalPointJob(context, msg::kIrregularTooManyMessages), options_(std::move(options))
{
}

bool TgaIrregularJob::GatherPoints(const CTGAFile& source, bool& full)
{
    const int width = source.GetWidth();
    const int height = source.GetHeight();
    const size_t estimate = options_.estimate > 0 ? static_cast<size_t>(options_.estimate) : 0;
    full = false;
    for (int y = 0; y < height && !full; ++y) {
        if (!PercentCheckpoint(static_cast<int>(static_cast<long long>(y) * 100 / height))) return false;
        const uint8_t* pixel = source.PixelBase() + static_cast<size_t>(y) * source.Stride();
        for (int x = 0; x < width; ++x, pixel += 3) {
            if (pixel[0] != 0) continue;
            if (points_.size() >= estimate) break;
            if (!StorePoint({static_cast<double>(x), static_cast<double>(y), NodalHeight(pixel) * options_.zScale}))
                return false;
        }
        full = points_.size() >= estimate;
    }
    if (full) results_.AddCounted(msg::kTgaIrregularTooManyPoints.text);
    return true;
}

bool TgaIrregularJob::Run()
{
    BeginCheckpoints();
    points_.clear();
    CTGAFile source(context_, true, 1.0, 1.0, &context_.ui.Status());
    if (!source.OnOpenDocument(options_.source)) return false;
    // The grid is the source picture's own: so is its place.
    const std::optional<Georeference> georeference = ReadGeoreference(options_.source);
    results_.Clear();
    bool full = false;
    const bool gathered = GatherPoints(source, full);
    const int width = source.GetWidth();
    const int height = source.GetHeight();
    source.OnCloseDocument();
    bool ok = false;
    if (gathered && points_.empty()) results_.AddUncounted(msg::kTgaIrregularNoPoint.text);
    else if (gathered && !full) ok = GridPoints(width, height, options_.target, georeference);
    points_.clear();
    points_.shrink_to_fit();
    ClearStatus();
    return ok;
}

}  // namespace vistagon
