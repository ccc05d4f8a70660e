#include "import/gdal/GdalImportJob.h"

#include "image/ElevationEncoding.h"
#include "image/GeoreferenceFile.h"
#include "import/binarydem/ElevationRowOutput.h"
#include "import/gdal/GdalMessages.h"
#include "platform/FileError.h"
#include "platform/TextFormat.h"
#include "platform/messages/BinaryDemMessages.h"

#include <algorithm>
#include <cmath>
#include <unistd.h>

namespace vistagon {

namespace {

constexpr double kHighest = 8388607.0;
constexpr double kLowest = -8388608.0;
constexpr int kLargestSide = 65535;  // what the TGA header can hold
constexpr size_t kSamplesPerBlock = size_t{1} << 20;
constexpr double kEarthRadius = 6371008.8;  // mean radius, metres
constexpr double kPi = 3.141592653589793;

Resampling ResamplingFor(const RasterWindow& window, const PixelSize& size)
{
    if (size.width < window.width || size.height < window.height) return Resampling::Average;
    if (size.width > window.width || size.height > window.height) return Resampling::Bilinear;
    return Resampling::Nearest;
}

double PhysicalMemory()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    return pages > 0 && pageSize > 0 ? static_cast<double>(pages) * static_cast<double>(pageSize) : 0.0;
}

}  // namespace

GdalImportJob::GdalImportJob(AppContext& context, GdalImportOptions options)
    : ConvertJob(context), options_(std::move(options))
{
}

bool GdalImportJob::Run()
{
    ResetCancelled();
    summary_ = GdalImportSummary{};
    std::string error;
    const std::unique_ptr<GdalRaster> raster = GdalRaster::Open(options_.source, error);
    if (!raster) {
        context_.ui.ShowMessage(FormatText(msg::kGdalCannotOpen.text, options_.source.c_str(), error.c_str()),
                                MessageIcon::Stop);
        return false;
    }
    Plan plan;
    if (!BandsExist(*raster) || !MakePlan(*raster, plan)) return false;
    Summarise(*raster, plan);
    const bool converted = Convert(*raster, plan);
    ClearStatus();
    if (converted && !WasCancelled() && !options_.texture) ReportRange();
    return converted;
}

bool GdalImportJob::BandsExist(const GdalRaster& raster)
{
    const bool colour = options_.texture && raster.bandCount() >= 3;
    if (colour || (options_.band >= 1 && options_.band <= raster.bandCount())) return true;
    context_.ui.ShowMessage(
        FormatText(msg::kGdalNoSuchBand.text, options_.source.c_str(), raster.bandCount(), options_.band),
        MessageIcon::Stop);
    return false;
}

bool GdalImportJob::MakePlan(const GdalRaster& raster, Plan& plan)
{
    plan.window = options_.window.value_or(RasterWindow{0, 0, raster.width(), raster.height()});
    const RasterWindow& w = plan.window;
    if (w.x < 0 || w.y < 0 || w.width < 1 || w.height < 1 || w.x > raster.width() - w.width ||
        w.y > raster.height() - w.height) {
        context_.ui.ShowMessage(FormatText(msg::kGdalWindowOutside.text, w.x, w.y, w.width, w.height, raster.width(),
                                           raster.height()),
                                MessageIcon::Stop);
        return false;
    }
    plan.size = options_.size.value_or(PixelSize{w.width, w.height});
    if (!SizeAccepted(plan.size)) return false;
    plan.resampling = ResamplingFor(w, plan.size);
    // A plain picture is stored top row first, as a north-up map is.
    const auto transform = raster.GeoTransform();
    plan.flipRows = !transform || (*transform)[5] <= 0.0;
    plan.flipColumns = transform && (*transform)[1] < 0.0;
    return true;
}

bool GdalImportJob::SizeAccepted(const PixelSize& size)
{
    if (size.width > kLargestSide || size.height > kLargestSide) {
        context_.ui.ShowMessage(FormatText(msg::kGdalTooLarge.text, size.width, size.height), MessageIcon::Stop);
        return false;
    }
    // The renderer holds the whole file in memory; half of it is a fair limit.
    const double bytes = 3.0 * size.width * size.height;
    const double memory = PhysicalMemory();
    if (size.width < 1 || size.height < 1 || (memory > 0.0 && bytes > memory / 2)) {
        context_.ui.ShowMessage(FormatText(msg::kGdalNoMemory.text, size.width, size.height), MessageIcon::Stop);
        return false;
    }
    return true;
}

void GdalImportJob::Summarise(const GdalRaster& raster, const Plan& plan)
{
    GdalImportSummary& s = summary_;
    s.width = plan.size.width;
    s.height = plan.size.height;
    const double shrinkX = static_cast<double>(plan.window.width) / plan.size.width;
    const double shrinkY = static_cast<double>(plan.window.height) / plan.size.height;
    const auto transform = raster.GeoTransform();
    s.georeferenced = transform.has_value();
    s.systemName = raster.SystemName();
    if (!transform) return;
    const std::array<double, 6>& t = *transform;
    s.pixelSizeX = std::fabs(t[1]) * shrinkX;
    s.pixelSizeY = std::fabs(t[5]) * shrinkY;
    if (s.systemName.empty()) return;
    if (raster.IsGeographic()) {
        s.unitName = "degree";
        const double centreRow = plan.window.y + plan.window.height / 2.0;
        const double latitude = t[3] + t[5] * centreRow;
        const double metresPerDegree = kPi / 180.0 * kEarthRadius;
        s.metresX = s.pixelSizeX * metresPerDegree * std::cos(latitude * kPi / 180.0);
        s.metresY = s.pixelSizeY * metresPerDegree;
    } else {
        const double metres = raster.LinearUnits(s.unitName);
        s.metresX = s.pixelSizeX * metres;
        s.metresY = s.pixelSizeY * metres;
    }
}

bool GdalImportJob::Convert(const GdalRaster& raster, const Plan& plan)
{
    const int width = plan.size.width;
    const int height = plan.size.height;
    noData_ = raster.NoData(options_.band);
    const int blockRows = static_cast<int>(std::clamp<size_t>(kSamplesPerBlock / static_cast<size_t>(width), 1,
                                                              static_cast<size_t>(height)));
    std::vector<uint8_t> pixels(3 * static_cast<size_t>(width) * static_cast<size_t>(blockRows));
    ElevationRowOutput output(context_, options_.target);
    if (!output.Open(width, height)) return false;
    RowProgress progress = MakeProgress(height);
    try {
        for (int done = 0; done < height;) {
            const int rows = std::min(blockRows, height - done);
            // Output row 0 is the southern one.
            const int first = plan.flipRows ? height - done - rows : done;
            std::string error;
            if (!ReadRows(raster, plan, first, rows, pixels.data(), error)) {
                output.Abandon();
                context_.ui.ShowMessage(FormatText(msg::kGdalReadFailed.text, options_.source.c_str(), error.c_str()),
                                        MessageIcon::Stop);
                return false;
            }
            for (int k = 0; k < rows; ++k, ++done) {
                if (!NextRow(progress)) {
                    output.Abandon();
                    return true;  // cancelled: the target stays as it was
                }
                const int row = plan.flipRows ? rows - 1 - k : k;
                output.WriteRow(done, pixels.data() + 3 * static_cast<size_t>(width) * static_cast<size_t>(row));
            }
        }
    } catch (const FileError&) {
        output.Abandon();
        context_.ui.ShowMessage(FormatText(msg::kCannotWriteFile.text, options_.target.c_str()), MessageIcon::Stop);
        return false;
    }
    return output.Commit() && SaveGeoreference(context_, options_.target, OutputGeoreference(raster, plan));
}

std::optional<Georeference> GdalImportJob::OutputGeoreference(const GdalRaster& raster, const Plan& plan)
{
    const std::optional<Georeference> source = raster.Georeferencing();
    if (!source) return std::nullopt;
    const RasterWindow& w = plan.window;
    const double stepX = static_cast<double>(w.width) / plan.size.width;
    const double stepY = static_cast<double>(w.height) / plan.size.height;
    // GDAL reads our files top row first: with the rows turned, that is the
    // window's first stored row, else its last.
    const double column = plan.flipColumns ? w.x + w.width : w.x;
    const double row = plan.flipRows ? w.y : w.y + w.height;
    return source->ForPixels(column, row, plan.flipColumns ? -stepX : stepX, plan.flipRows ? stepY : -stepY);
}

bool GdalImportJob::ReadRows(const GdalRaster& raster, const Plan& plan, int first, int rows, uint8_t* pixels,
                             std::string& error)
{
    const RasterWindow& w = plan.window;
    const double rowHeight = static_cast<double>(w.height) / plan.size.height;
    const SourceRect rect{static_cast<double>(w.x), w.y + first * rowHeight, static_cast<double>(w.width),
                          rows * rowHeight};
    samples_.resize(static_cast<size_t>(plan.size.width) * static_cast<size_t>(rows));
    return options_.texture ? ReadColours(raster, plan, rect, rows, pixels, error)
                            : ReadHeights(raster, plan, rect, rows, pixels, error);
}

bool GdalImportJob::ReadHeights(const GdalRaster& raster, const Plan& plan, const SourceRect& rect, int rows,
                                uint8_t* pixels, std::string& error)
{
    const int width = plan.size.width;
    if (!raster.ReadDoubles(options_.band, rect, width, rows, plan.resampling, samples_.data(), error)) return false;
    const double z = options_.zScale;
    for (int r = 0; r < rows; ++r) {
        for (int x = 0; x < width; ++x) {
            const double sample = samples_[static_cast<size_t>(r) * width + x];
            int32_t height = options_.voidValue;
            if (!std::isnan(sample) && !(noData_ && sample == *noData_)) {
                const double v = std::clamp(sample * z, kLowest, kHighest);
                summary_.minimum = summary_.hasHeights ? std::min(summary_.minimum, v) : v;
                summary_.maximum = summary_.hasHeights ? std::max(summary_.maximum, v) : v;
                summary_.hasHeights = true;
                height = static_cast<int32_t>(std::floor(v + 0.5));
            }
            const int column = plan.flipColumns ? width - 1 - x : x;
            const Bgr encoded = EncodeElevation(height);
            uint8_t* p = pixels + 3 * (static_cast<size_t>(r) * width + column);
            p[0] = encoded.b;
            p[1] = encoded.g;
            p[2] = encoded.r;
        }
    }
    return true;
}

bool GdalImportJob::ReadColours(const GdalRaster& raster, const Plan& plan, const SourceRect& rect, int rows,
                                uint8_t* pixels, std::string& error)
{
    const int width = plan.size.width;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(rows);
    const auto place = [&](size_t i, int channel, uint8_t value) {
        const size_t r = i / width;
        const size_t x = i % width;
        const size_t column = plan.flipColumns ? width - 1 - x : x;
        pixels[3 * (r * width + column) + channel] = value;
    };
    if (raster.bandCount() >= 3) {
        channel_.resize(count);
        // Bands 1-3 are red, green and blue; the file holds blue first.
        for (int band = 1; band <= 3; ++band) {
            if (!raster.ReadBytes(band, rect, width, rows, plan.resampling, channel_.data(), error)) return false;
            for (size_t i = 0; i < count; ++i) place(i, 3 - band, channel_[i]);
        }
        return true;
    }
    const std::vector<Bgr> palette = raster.Palette(options_.band);
    if (!palette.empty()) {
        // Indexes do not average: a palette is always read nearest.
        if (!raster.ReadDoubles(options_.band, rect, width, rows, Resampling::Nearest, samples_.data(), error))
            return false;
        for (size_t i = 0; i < count; ++i) {
            const double index = samples_[i];
            const Bgr colour = index >= 0 && index < static_cast<double>(palette.size()) ? palette[static_cast<size_t>(index)] : Bgr{};
            place(i, 0, colour.b);
            place(i, 1, colour.g);
            place(i, 2, colour.r);
        }
        return true;
    }
    channel_.resize(count);
    if (!raster.ReadBytes(options_.band, rect, width, rows, plan.resampling, channel_.data(), error)) return false;
    for (size_t i = 0; i < count; ++i)
        for (int c = 0; c < 3; ++c) place(i, c, channel_[i]);
    return true;
}

void GdalImportJob::ReportRange()
{
    if (!summary_.hasHeights) return;
    context_.ui.ShowMessage(FormatText(msg::kElevationRange.text, summary_.minimum, summary_.maximum),
                            MessageIcon::Information);
}

}  // namespace vistagon
