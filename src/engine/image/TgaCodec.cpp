#include "image/TgaCodec.h"

#include "platform/BinaryFile.h"
#include "platform/RowProgress.h"

#include <vector>

namespace vistagon {

std::unique_ptr<TgaImage> AllocateFromHeader(const TgaHeader& header)
{
    if (!header.IsSupported()) return nullptr;
    return TgaImage::Allocate(header.width, header.height);
}

TgaReadResult ReadTga(BinaryFile& file, TgaHeader& header, bool loadPixels, ProgressText* progress,
                      std::unique_ptr<TgaImage>& raster)
{
    raster.reset();
    uint8_t bytes[TgaHeader::kSize];
    if (file.Read(bytes, sizeof bytes) < sizeof bytes) return TgaReadResult::Invalid;
    header = TgaHeader::Decode(bytes);
    if (!header.IsSupported()) return TgaReadResult::Invalid;

    const uint64_t rowBytes = 3ull * header.width;
    // A short file is refused before its raster is allocated.
    if (file.Size() < header.PixelOffset() + rowBytes * header.height) return TgaReadResult::Invalid;
    if (!loadPixels) return TgaReadResult::HeaderOnly;

    auto image = AllocateFromHeader(header);
    if (!image) return TgaReadResult::Invalid;
    file.Seek(header.PixelOffset());
    RowProgress rows(progress, header.height);
    for (int i = 0; i < header.height; ++i) {
        rows.Step();
        if (file.Read(image->Row(i), rowBytes) != rowBytes) return TgaReadResult::Invalid;
    }
    if (progress != nullptr) rows.Finish();
    raster = std::move(image);
    return TgaReadResult::Raster;
}

bool WriteTga(const TgaImage* raster, BinaryFile& file, ProgressText* progress)
{
    if (raster == nullptr || raster->Pixels() == nullptr) return false;
    if (raster->infoSize() != TgaImage::kInfoHeaderSize || raster->HasColorTable() || raster->bitCount() != 24 ||
        raster->compression() == 1 || raster->compression() == 2 || raster->height() < 0)
        return false;

    const auto header = TgaHeader::ForImage(raster->width(), raster->height()).Encode();
    file.Write(header.data(), header.size());
    const size_t rowBytes = 3 * static_cast<size_t>(raster->width());
    RowProgress rows(progress, raster->height());
    for (int i = 0; i < raster->height(); ++i) {
        rows.Step();
        file.Write(raster->Row(i), rowBytes);
    }
    if (progress != nullptr) rows.Finish();
    return true;
}

}  // namespace vistagon
