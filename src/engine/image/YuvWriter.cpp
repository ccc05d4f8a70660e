// CTGAFile::WriteYuv: planar 4:2:0 with studio-range BT.601 coefficients.
#include "image/CTGAFile.h"
#include "platform/RetryingSave.h"
#include "platform/messages/ImageMessages.h"

#include <filesystem>
#include <vector>

namespace vistagon {

namespace {

uint8_t Luma(const Bgr& p)
{
    const uint32_t weighted = 19595u * p.r + 38469u * p.g + 7471u * p.b;
    return static_cast<uint8_t>(((weighted * 219u) / 255u + 1048576u) >> 16);
}

int32_t ChromaU(const Bgr& p)
{
    return ((32768 * p.b - 21712 * p.g - 11056 * p.r) * 224) / 255;
}

int32_t ChromaV(const Bgr& p)
{
    return ((32768 * p.r - 27440 * p.g - 5328 * p.b) * 224) / 255;
}

std::string YuvName(const std::string& path)
{
    return std::filesystem::path(path).replace_extension(".yuv").string();
}

void WritePlanes(const CTGAFile& image, BinaryFile& file)
{
    const int w = image.header().width;
    const int h = image.header().height;
    std::vector<uint8_t> upper(static_cast<size_t>(w)), lower(static_cast<size_t>(w));
    for (int k = 0; 2 * k < h; ++k) {
        const int yT = h - 1 - 2 * k;
        const int yB = h - 2 - 2 * k;
        for (int x = 0; x < w; x += 2) {
            upper[static_cast<size_t>(x)] = Luma(image.GetPixel(x, yT));
            lower[static_cast<size_t>(x)] = Luma(image.GetPixel(x, yB));
            if (x + 1 < w) {
                upper[static_cast<size_t>(x + 1)] = Luma(image.GetPixel(x + 1, yT));
                lower[static_cast<size_t>(x + 1)] = Luma(image.GetPixel(x + 1, yB));
            }
        }
        file.Write(upper.data(), upper.size());
        file.Write(lower.data(), lower.size());
    }
    std::vector<uint8_t> chroma(static_cast<size_t>(w / 2));
    for (auto sample : {ChromaU, ChromaV}) {
        for (int k = 0; 2 * k < h; ++k) {
            const int yT = h - 1 - 2 * k;
            for (int x = 0; x + 1 < w; x += 2) {
                // Only the block's upper row counts, each of its pixels twice.
                const int32_t a = sample(image.GetPixel(x, yT));
                const int32_t b = sample(image.GetPixel(x + 1, yT));
                chroma[static_cast<size_t>(x / 2)] = static_cast<uint8_t>(((2 * a + 2 * b) >> 18) + 128);
            }
            file.Write(chroma.data(), chroma.size());
        }
    }
}

}  // namespace

bool CTGAFile::WriteYuv(const std::string& path)
{
    const auto write = [this](BinaryFile& file) {
        WritePlanes(*this, file);
        return true;
    };
    return SaveWithRetry(context_.ui, YuvName(path), msg::kCouldNotOpenYuv.text, msg::kCouldNotSaveYuv.text, write) ==
           SaveOutcome::Saved;
}

}  // namespace vistagon
