#include "import/usgsdem/UsgsDemJob.h"

#include "image/CTGAFile.h"
#include "image/ElevationEncoding.h"
#include "image/GeoreferenceFile.h"
#include "import/usgsdem/DemFileReader.h"
#include "import/usgsdem/DemHeaderLines.h"
#include "platform/FileError.h"
#include "platform/TextFormat.h"
#include "platform/Truncate.h"
#include "platform/messages/CommonMessages.h"
#include "platform/messages/UsgsDemMessages.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace vistagon {

namespace {

constexpr int kLargestSide = 65535;  // what the TGA header can hold
constexpr int64_t kJump = 512;

bool IsUsableResolution(double resolution)
{
    return std::isfinite(resolution) && resolution > 0.0;
}

int ClampToInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace

UsgsDemJob::UsgsDemJob(AppContext& context, const UsgsDemOptions& options, UsgsDemFeedback& feedback)
    : ConvertJob(context), options_(options), feedback_(feedback)
{
}

bool UsgsDemJob::Run()
{
    ResetCancelled();
    positives_ = 0;
    bounds_ = DemMergeBounds();
    firstHeader_.reset();
    oneSystem_ = true;
    phase_.reset();
    std::vector<std::string> readable;
    if (!CollectBounds(readable) || !RasterFits()) return false;

    CTGAFile image(context_, true, 1.0, 1.0, &context_.ui.Status());
    if (!image.CreateImage(width_, height_)) return false;
    image.FillGray(0);
    image.SetDrawColor(&color_);
    for (const std::string& path : readable)
        if (!ConvertFile(path, image)) break;
    image.SetDrawColor(&image.background());
    feedback_.ShowCurrentFile("");

    bool saved = WasCancelled() || image.OnSaveDocument(options_.targetPath);
    image.OnCloseDocument();
    if (saved && !WasCancelled()) saved = SaveGeoreference(context_, options_.targetPath, RasterGeoreference());
    context_.ui.ShowMessage(FormatText(msg::kDemPositiveCount.text, positives_), MessageIcon::Information);
    ClearStatus();
    return saved;
}

bool UsgsDemJob::CollectBounds(std::vector<std::string>& readable)
{
    for (const std::string& path : options_.sourcePaths) {
        DemHeader header;
        try {
            header = DemFileReader(path).ReadHeader();
        } catch (const FileError&) {
            context_.ui.ShowMessage(FormatText(msg::kCannotOpenFile.text, path.c_str()), MessageIcon::Stop);
            continue;
        }
        if (!feedback_.ConfirmHeader(FormatText(msg::kDemHeaderTitle.text, path.c_str()), DemHeaderLines(header)))
            return false;
        if (!IsUsableResolution(header.resolutionX) || !IsUsableResolution(header.resolutionY)) {
            context_.ui.ShowMessage(
                FormatText(msg::kDemNoResolution.text, path.c_str(), header.resolutionX, header.resolutionY),
                MessageIcon::Stop);
            return false;
        }
        bounds_.Add(header);
        if (!firstHeader_) firstHeader_ = header;
        oneSystem_ = oneSystem_ && SameMapSystem(*firstHeader_, header);
        readable.push_back(path);
    }
    return !readable.empty();
}

bool UsgsDemJob::RasterFits()
{
    const double width = bounds_.Width();
    const double height = bounds_.Height();
    const bool fits = width >= 1.0 && width <= kLargestSide && height >= 1.0 && height <= kLargestSide &&
                      (options_.pixelLimit == 0 || width * height <= static_cast<double>(options_.pixelLimit));
    if (!fits) {
        context_.ui.ShowMessage(FormatText(msg::kDemRasterSize.text, width, height), MessageIcon::Stop);
        return false;
    }
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
    return true;
}

bool UsgsDemJob::ConvertFile(const std::string& path, CTGAFile& image)
{
    feedback_.ShowCurrentFile(path);
    try {
        DemFileReader reader(path);
        const int profiles = reader.ReadHeader().columns;
        reader.SkipToProfiles();
        checking_ = options_.checkJumps;
        for (int j = 0; j < profiles; ++j) {
            ShowPercent(&context_.ui.Status(), static_cast<int>(int64_t{j} * 100 / profiles));
            if (!PumpAndGoOn()) return false;
            if (!WriteProfile(reader, image)) {
                context_.ui.ShowMessage(FormatText(msg::kDemTruncated.text, path.c_str(), j + 1), MessageIcon::Warning);
                break;
            }
        }
    } catch (const FileError&) {
        context_.ui.ShowMessage(FormatText(msg::kCannotOpenFile.text, path.c_str()), MessageIcon::Stop);
    }
    return true;
}

bool UsgsDemJob::WriteProfile(DemFileReader& reader, CTGAFile& image)
{
    DemProfileHeader profile;
    if (!reader.ReadProfileHeader(profile)) return false;
    if (!phase_) phase_ = GridPhaseOf(bounds_, profile.x, profile.y);
    const int64_t column = bounds_.Column(profile.x);
    const int64_t firstRow = bounds_.Row(profile.y);
    int64_t previous = 0;
    for (int k = 0; k < profile.count; ++k) {
        double elevation = 0.0;
        if (!reader.NextElevation(elevation)) return false;
        if (elevation == options_.voidValue) elevation = 0.0;
        if (elevation > 0.0) ++positives_;
        const int64_t height = TruncateToInt(elevation);
        const int64_t row = firstRow + k;
        if (checking_ && k > 0 && std::llabs(height - previous) >= kJump) {
            checking_ = feedback_.ContinueChecking(FormatText(msg::kDemSuspiciousValue.text, static_cast<long>(previous),
                                                              static_cast<long>(height), ClampToInt(column),
                                                              ClampToInt(height_ - row - 1)));
        }
        previous = height;
        if (column >= 0 && column < width_ && row >= 0 && row < height_) {
            color_ = EncodeElevation(static_cast<int32_t>(height));
            image.SetPixel(static_cast<int>(column), static_cast<int>(row));
        }
    }
    return true;
}

std::optional<Georeference> UsgsDemJob::RasterGeoreference() const
{
    if (!firstHeader_ || !oneSystem_) return std::nullopt;
    const std::optional<Georeference> system = DemMapSystem(*firstHeader_);
    if (!system) return std::nullopt;
    return DemRasterGeoreference(*system, *firstHeader_, bounds_, height_, phase_.value_or(DemGridPhase{}));
}

}  // namespace vistagon
