#include "import/binarydem/BinaryDemJob.h"

#include "image/ElevationEncoding.h"
#include "image/GeoreferenceFile.h"
#include "import/binarydem/ElevationRowOutput.h"
#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "platform/TextFormat.h"
#include "platform/messages/BinaryDemMessages.h"
#include "platform/messages/CommonMessages.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

namespace vistagon {

namespace {

constexpr double kHighest = 8388607.0;
constexpr double kLowest = -8388608.0;
constexpr int kLargestSide = 65535;  // what the TGA header can hold

// Truncation toward zero for file offsets; beyond any raster (or NaN) it gives
// a value that still lies outside every one without overflowing later sums.
int64_t TruncateOffset(double value)
{
    constexpr double kFar = 1099511627776.0;  // 2^40
    if (!(value > -kFar && value < kFar)) return value > 0 ? static_cast<int64_t>(kFar) : -static_cast<int64_t>(kFar);
    return static_cast<int64_t>(value);
}

bool IsUsableSide(double side)
{
    return side >= 1.0 && side <= kLargestSide;
}

uint32_t Read32(const uint8_t* p, bool bigEndian)
{
    if (bigEndian)
        return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
               (static_cast<uint32_t>(p[2]) << 8) | p[3];
    return (static_cast<uint32_t>(p[3]) << 24) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[1]) << 8) | p[0];
}

int16_t Read16(const uint8_t* p, bool bigEndian)
{
    return static_cast<int16_t>(bigEndian ? (p[0] << 8) | p[1] : (p[1] << 8) | p[0]);
}

float ReadFloat(const uint8_t* p, bool bigEndian)
{
    const uint32_t bits = Read32(p, bigEndian);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

long OutputSizeKBytes(const BinaryDemOptions& options, const BinaryHeaderInfo& header)
{
    const double kbytes = options.extentY * 3.0 * options.extentX / header.xdim / header.ydim / 1024.0;
    if (!(kbytes > -9.2e18 && kbytes < 9.2e18)) return 0;
    return static_cast<long>(kbytes);
}

BinaryDemJob::BinaryDemJob(AppContext& context, const BinaryHeaderInfo& header, const BinaryDemOptions& options)
    : ConvertJob(context), header_(header), options_(options), bytesPerSample_(header.nbits / 8)
{
}

bool BinaryDemJob::Run()
{
    ResetCancelled();
    minimum_ = FLT_MAX;
    maximum_ = -FLT_MAX;
    Region region{};
    if (!SourceSizeAccepted() || !RegionFits(region)) return false;
    const bool converted = Convert(region);
    ClearStatus();
    return converted;
}

bool BinaryDemJob::SourceSizeAccepted()
{
    std::error_code error;
    const auto size = std::filesystem::file_size(options_.sourcePath, error);
    if (error) {
        context_.ui.ShowMessage(FormatText(msg::kCannotOpenFile.text, options_.sourcePath.c_str()), MessageIcon::Stop);
        return false;
    }
    int64_t rowBytes = 0;
    int64_t expected = 0;
    const bool overflow = __builtin_mul_overflow(int64_t{bytesPerSample_}, int64_t{header_.cols}, &rowBytes) ||
                          __builtin_mul_overflow(int64_t{header_.rows}, rowBytes, &expected);
    if (!overflow && expected >= 0 && static_cast<uintmax_t>(expected) == size) return true;
    return context_.ui.Ask(msg::kSizeMismatch.text, QuestionButtons::YesNo, MessageIcon::Question) == Answer::Yes;
}

bool BinaryDemJob::RegionFits(Region& region)
{
    const double width = std::trunc(options_.extentX / header_.xdim + 0.5);
    const double height = std::trunc(options_.extentY / header_.ydim + 0.5);
    if (!IsUsableSide(width) || !IsUsableSide(height)) {
        context_.ui.ShowMessage(FormatText(msg::kOutputSizeInvalid.text, width, height), MessageIcon::Stop);
        return false;
    }
    region.width = static_cast<int>(width);
    region.height = static_cast<int>(height);
    region.firstRow = TruncateOffset((header_.ulY - options_.upperLeftY) / header_.ydim + 0.5) + region.height - 1;
    region.firstColumn = TruncateOffset((options_.upperLeftX - header_.ulX) / header_.xdim + 0.5);
    return true;
}

bool BinaryDemJob::Convert(const Region& region)
{
    BinaryFile source;
    try {
        source.Open(options_.sourcePath, BinaryFile::Mode::Read);
    } catch (const FileError&) {
        context_.ui.ShowMessage(FormatText(msg::kCannotOpenFile.text, options_.sourcePath.c_str()), MessageIcon::Stop);
        return false;
    }
    ElevationRowOutput output(context_, options_.targetPath);
    if (!output.Open(region.width, region.height)) return false;

    samples_.assign(static_cast<size_t>(bytesPerSample_) * static_cast<size_t>(region.width), 0);
    std::vector<uint8_t> pixels(3 * static_cast<size_t>(region.width));
    RowProgress progress = MakeProgress(region.height);
    try {
        for (int i = 0; i < region.height; ++i) {
            if (!NextRow(progress)) {
                output.Abandon();
                return true;  // a cancelled conversion leaves the dialog ready for another
            }
            ReadRow(source, region.firstRow - i, region);
            ConvertRow(pixels.data(), region.width);
            output.WriteRow(i, pixels.data());
        }
    } catch (const FileError& error) {
        output.Abandon();
        const bool reading = error.cause() == FileError::Cause::Read || error.cause() == FileError::Cause::Seek;
        const std::string& path = reading ? options_.sourcePath : options_.targetPath;
        context_.ui.ShowMessage(FormatText((reading ? msg::kCannotReadFile : msg::kCannotWriteFile).text, path.c_str()),
                                MessageIcon::Stop);
        return false;
    }
    if (!output.Commit() || !SaveGeoreference(context_, options_.targetPath, RegionGeoreference(region))) return false;
    context_.ui.ShowMessage(FormatText(msg::kElevationRange.text, minimum_, maximum_), MessageIcon::Information);
    return true;
}

Georeference BinaryDemJob::RegionGeoreference(const Region& region) const
{
    // The header places pixel centres; GDAL's transform starts at the corner.
    Georeference file;
    file.transform = {header_.ulX - header_.xdim / 2, header_.xdim, 0.0, header_.ulY + header_.ydim / 2, 0.0, -header_.ydim};
    // GDAL's first row is the region's top row, the file row written last.
    const auto topRow = static_cast<double>(region.firstRow - (region.height - 1));
    return file.ForPixels(static_cast<double>(region.firstColumn), topRow, 1.0, 1.0);
}

void BinaryDemJob::ReadRow(BinaryFile& source, int64_t row, const Region& region)
{
    std::fill(samples_.begin(), samples_.end(), uint8_t{0});
    if (row < 0 || row >= header_.rows) return;
    const int64_t first = std::max<int64_t>(region.firstColumn, 0);
    const int64_t end = std::min<int64_t>(region.firstColumn + region.width, header_.cols);
    if (first >= end) return;
    const int64_t b = bytesPerSample_;
    int64_t rowStart = 0;
    int64_t offset = 0;
    // Offsets no file can reach (the size question may have been answered Yes) read as 0.
    if (__builtin_mul_overflow(row, b * header_.cols, &rowStart) || __builtin_add_overflow(rowStart, b * first, &offset))
        return;
    source.Seek(static_cast<uint64_t>(offset));
    source.Read(samples_.data() + b * (first - region.firstColumn), static_cast<size_t>(b * (end - first)));
}

void BinaryDemJob::ConvertRow(uint8_t* pixels, int width)
{
    const bool bigEndian = header_.IsBigEndian();
    switch (bytesPerSample_) {
    case 1: ConvertSamples(pixels, width, [](const uint8_t* p) { return static_cast<double>(p[0]); }); break;
    case 2: ConvertSamples(pixels, width, [bigEndian](const uint8_t* p) { return static_cast<double>(Read16(p, bigEndian)); }); break;
    default: ConvertSamples(pixels, width, [bigEndian](const uint8_t* p) { return static_cast<double>(ReadFloat(p, bigEndian)); }); break;
    }
}

template <typename Decode>
void BinaryDemJob::ConvertSamples(uint8_t* pixels, int width, Decode decode)
{
    // 8-bit samples are never no-data; wider ones only when the header named a value.
    const bool replaceNodata = bytesPerSample_ > 1 && header_.nodataGiven && !options_.keepNodata;
    const double nodata = header_.nodata;
    const double zScale = options_.zScale;
    const uint8_t* sample = samples_.data();
    for (int x = 0; x < width; ++x, sample += bytesPerSample_, pixels += 3) {
        double value = decode(sample);
        if (replaceNodata && value == nodata) value = 0.0;
        double v = value * zScale;
        if (std::isnan(v)) v = 0.0;  // a NaN sample carries no height
        if (v > kHighest) v = kHighest;
        if (v < kLowest) v = kLowest;
        minimum_ = std::min(minimum_, v);
        maximum_ = std::max(maximum_, v);
        const Bgr height = EncodeElevation(static_cast<int32_t>(std::floor(v + 0.5)));
        pixels[0] = height.b;
        pixels[1] = height.g;
        pixels[2] = height.r;
    }
}

}  // namespace vistagon
