#pragma once

#include "image/CTGAFile.h"
#include "image/GeoreferenceFile.h"
#include "import/ConvertJob.h"

#include <optional>
#include <string>

namespace vistagon {

// The common frame of the image tools: every run ends with a cleared status
// text, inputs and the target are image documents whose file progress shows in
// the status text, and the target is written only when the run was not
// cancelled (so a cancelled run leaves no file behind and the old target as it was).
class ImageToolJob : public ConvertJob {
public:
    using ConvertJob::ConvertJob;

    bool Run() final;

protected:
    // The tool's conversion; success or failure as the tool defines it.
    virtual bool Convert() = 0;

    // An input or target document reporting its file progress in the status text.
    CTGAFile MakeImage() { return CTGAFile(context_, true, 1.0, 1.0, &context_.ui.Status()); }
    // An auxiliary input (palette, kernel) read without progress.
    CTGAFile MakeQuietImage() { return CTGAFile(context_, true, 1.0, 1.0, nullptr); }

    // Opens the source and creates a target of its size; false (after the image
    // layer's message) when either fails.
    bool OpenWithTarget(CTGAFile& source, const std::string& sourcePath, CTGAFile& target);
    // Saves the finished target, and the georeference beside it (none takes a
    // stale one away), unless the run was cancelled; true when nothing failed.
    bool SaveUnlessCancelled(CTGAFile& target, const std::string& path, const std::optional<Georeference>& georeference);

    // Row y (0 = bottom) of a locked image, for the per-pixel loops.
    static const uint8_t* RowOf(const CTGAFile& image, int y)
    {
        return image.PixelBase() + static_cast<size_t>(y) * image.Stride();
    }
    static uint8_t* RowOf(CTGAFile& image, int y) { return image.PixelBase() + static_cast<size_t>(y) * image.Stride(); }
    static void Put(uint8_t* pixel, const Bgr& color)
    {
        pixel[0] = color.b;
        pixel[1] = color.g;
        pixel[2] = color.r;
    }

    // The tools that turn each source pixel into one target pixel: opens the
    // source, makes the target, runs `map(in, out)` on every pixel row by row
    // (progress, pump and cancel per row) and saves unless cancelled, placed
    // where the source lies.
    template <class PixelMap>
    bool MapPixels(const std::string& sourcePath, const std::string& targetPath, PixelMap map)
    {
        const std::optional<Georeference> georeference = ReadGeoreference(sourcePath);
        CTGAFile source = MakeImage();
        CTGAFile target = MakeImage();
        if (!OpenWithTarget(source, sourcePath, target)) return false;
        const int width = source.GetWidth();
        const int height = source.GetHeight();
        RowProgress progress = MakeProgress(height);
        for (int y = 0; y < height; ++y) {
            if (!NextRow(progress)) break;
            const uint8_t* in = RowOf(source, y);
            uint8_t* out = RowOf(target, y);
            for (int x = 0; x < width; ++x, in += 3, out += 3) map(in, out);
        }
        return SaveUnlessCancelled(target, targetPath, georeference);
    }
};

}  // namespace vistagon
