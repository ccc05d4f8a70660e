#include "import/sdts/SdtsImportJob.h"

#include "image/CTGAFile.h"
#include "image/GeoreferenceFile.h"
#include "image/TgaImage.h"
#include "import/iso8211/Reader.h"
#include "import/sdts/SdtsRasterBuilder.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"
#include "platform/messages/SdtsMessages.h"

#include <cstdint>

namespace vistagon {

namespace {

constexpr int64_t kLargestTgaSide = 65535;

}  // namespace

bool SdtsImportJob::Run()
{
    ResetCancelled();
    const bool result = Convert();
    ClearStatus();
    return result;
}

void SdtsImportJob::ShowError(const std::string& text)
{
    context_.ui.ShowMessage(text, MessageIcon::Stop);
}

bool SdtsImportJob::Convert()
{
    SdtsRasterBuilder builder(options_.voidValue, options_.fillValue);
    builder.BeginPass(1);
    const PassEnd first = ReadPass(1, builder);
    if (first != PassEnd::Completed) return first == PassEnd::Stopped;
    if (!RasterSizeAccepted(builder)) return false;

    const auto width = static_cast<int>(builder.RasterWidth());
    const auto height = static_cast<int>(builder.RasterHeight());
    CTGAFile image(context_, true, 1.0, 1.0, nullptr);
    if (!image.CreateImage(width, height)) return false;
    builder.BeginPass(2);
    builder.AttachRaster(image.PixelBase(), image.Stride(), width, height);
    const PassEnd second = ReadPass(2, builder);
    if (second != PassEnd::Completed) return second == PassEnd::Stopped;

    // The image document writes TGA, or YUV for a ".yuv" target, replacing
    // the target only once the file is complete.
    if (!image.OnSaveDocument(options_.targetPath)) {
        ShowError(FormatText(msg::kCannotOpenFile.text, options_.targetPath.c_str()));
        return false;
    }
    image.OnCloseDocument();
    return SaveGeoreference(context_, options_.targetPath, std::nullopt);
}

SdtsImportJob::PassEnd SdtsImportJob::ReadPass(int pass, SdtsRasterBuilder& builder)
{
    const char* source = options_.sourcePath.c_str();
    iso8211::Reader reader;
    reader.SetDecoderTable(SdtsRasterBuilder::Decoders());
    iso8211::Record record;
    long records = 0;
    if (reader.Open(options_.sourcePath)) {
        while (reader.ReadRecord(record)) {
            builder.Take(record);
            if (!AfterRecord(pass, ++records)) return PassEnd::Stopped;
        }
    }
    switch (reader.failure()) {
    case iso8211::Reader::Failure::None: return PassEnd::Completed;
    case iso8211::Reader::Failure::Open: ShowError(FormatText(msg::kCannotOpenFile.text, source)); break;
    case iso8211::Reader::Failure::Format:
        ShowError(FormatText(msg::kSdtsNotReadable.text, source, reader.error().c_str()));
        break;
    }
    return PassEnd::Failed;
}

bool SdtsImportJob::AfterRecord(int pass, long records)
{
    context_.ui.Status().SetText(FormatText(msg::kSdtsProgress.text, static_cast<int>(records), pass));
    return PumpAndGoOn();
}

bool SdtsImportJob::RasterSizeAccepted(const SdtsRasterBuilder& builder)
{
    const char* source = options_.sourcePath.c_str();
    const int64_t width = builder.RasterWidth();
    const int64_t height = builder.RasterHeight();
    if (width < 1 || height < 1) {
        ShowError(FormatText(msg::kSdtsNoCells.text, source));
        return false;
    }
    if (width > kLargestTgaSide || height > kLargestTgaSide) {
        ShowError(FormatText(msg::kSdtsTooLarge.text, source, static_cast<long long>(width), static_cast<long long>(height)));
        return false;
    }
    // The raster block records its size in 32 bits.
    const uint64_t bytes = TgaImage::StrideFor(static_cast<int>(width)) * static_cast<uint64_t>(height);
    if (bytes > UINT32_MAX) {
        ShowError(FormatText(msg::kSdtsTooLargeForMemory.text, source, static_cast<int>(width), static_cast<int>(height)));
        return false;
    }
    return true;
}

}  // namespace vistagon
