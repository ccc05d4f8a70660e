#include "tools/MergeJob.h"

#include "platform/messages/ToolMessages.h"

namespace vistagon {

namespace {

uint8_t ClampChannel(double v)
{
    if (!(v >= 0.0)) return 0;  // negative or not a number
    if (v > 255.0) return 255;
    return static_cast<uint8_t>(v);
}

}  // namespace

bool MergeJob::Convert()
{
    if (!MergeOptions::BiasInRange(options_.bias1) || !MergeOptions::BiasInRange(options_.bias2)) {
        context_.ui.ShowMessage(msg::kBiasRange.text, MessageIcon::Stop);
        return false;
    }
    // The target takes the first file's size, and its place.
    const std::optional<Georeference> georeference = ReadGeoreference(options_.source);
    CTGAFile first = MakeImage();
    if (!first.OnOpenDocument(options_.source)) return false;
    CTGAFile second = MakeImage();
    if (!second.OnOpenDocument(options_.second)) return false;
    const int width = first.GetWidth();
    const int height = first.GetHeight();
    CTGAFile target = MakeImage();
    if (!target.CreateImage(width, height)) return false;

    const double bias1 = options_.bias1;
    const double bias2 = options_.bias2;
    const bool add = options_.operation == MergeOperation::Add;
    const auto merge = [=](uint8_t c1, uint8_t c2) {
        return ClampChannel(add ? c1 * bias1 + c2 * bias2 : (c1 + bias1) * (c2 + bias2) / 255.0);
    };
    RowProgress progress = MakeProgress(height);
    for (int y = 0; y < height; ++y) {
        if (!NextRow(progress)) break;
        const uint8_t* in = RowOf(first, y);
        uint8_t* out = RowOf(target, y);
        for (int x = 0; x < width; ++x, in += 3, out += 3) {
            const Bgr c2 = second.GetPixel(x, y);
            Put(out, Bgr{merge(in[0], c2.b), merge(in[1], c2.g), merge(in[2], c2.r)});
        }
    }
    return SaveUnlessCancelled(target, options_.target, georeference);
}

}  // namespace vistagon
