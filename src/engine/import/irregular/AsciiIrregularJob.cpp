#include "import/irregular/AsciiIrregularJob.h"

#include "import/asciiregular/AsciiPointReader.h"
#include "platform/TextFormat.h"
#include "platform/messages/IrregularMessages.h"
#include "platform/messages/TextFileMessages.h"

#include <algorithm>
#include <filesystem>
#include <strings.h>

namespace vistagon {

namespace {

constexpr double kFloatMax = 3.4028234663852886e38;

const ShortLineTexts kShortLineTexts{msg::kIrregularOneItem, msg::kIrregularTwoItems, msg::kIrregularNoItem};

bool HasTgaExtension(const std::string& path)
{
    return strcasecmp(std::filesystem::path(path).extension().string().c_str(), ".tga") == 0;
}

}  // namespace

AsciiIrregularJob::AsciiIrregularJob(AppContext& context, AsciiIrregularOptions options)
    : NodalPointJob(context, msg::kIrregularTooManyMessages), options_(std::move(options))
{
}

bool AsciiIrregularJob::Scan()
{
    BeginCheckpoints();
    results_.Clear();
    AsciiPointReader reader;
    if (!reader.Open(context_.ui, options_.source, options_.skipLines)) {
        options_.minX = options_.maxX = options_.minY = options_.maxY = -1.0;
        return false;
    }
    options_.minX = options_.minY = kFloatMax;
    options_.maxX = options_.maxY = -kFloatMax;
    long valid = 0;
    PointLine line;
    while (reader.Next(line)) {
        if (valid >= options_.estimate) {
            results_.AddCounted(msg::kIrregularTooManyPoints.text);
            break;
        }
        if (!LineCheckpoint(reader.lineNumber())) break;
        if (line.count < 3) {
            results_.AddShortLine(kShortLineTexts, reader.lineNumber(), line.count);
            continue;
        }
        options_.minX = std::min(options_.minX, line.values[0]);
        options_.maxX = std::max(options_.maxX, line.values[0]);
        options_.minY = std::min(options_.minY, line.values[1]);
        options_.maxY = std::max(options_.maxY, line.values[1]);
        ++valid;
    }
    reader.Close();
    if (valid == 0) results_.AddUncounted(msg::kIrregularNoValidLine.text);
    ClearStatus();
    return !WasCancelled();
}

// The lines up to the estimate; points inside the bounds are mapped onto the output.
bool AsciiIrregularJob::GatherPoints(AsciiPointReader& reader)
{
    const double spanX = options_.maxX - options_.minX;
    const double spanY = options_.maxY - options_.minY;
    PointLine line;
    while (reader.Next(line)) {
        if (reader.lineNumber() > options_.estimate) {
            results_.AddCounted(msg::kIrregularTooManyPoints.text);
            break;
        }
        if (!LineCheckpoint(reader.lineNumber())) return false;
        if (line.count < 3) {
            results_.AddShortLine(kShortLineTexts, reader.lineNumber(), line.count);
            continue;
        }
        const double x = (line.values[0] - options_.minX) * options_.width / spanX;
        const double y = (line.values[1] - options_.minY) * options_.height / spanY;
        if (!(x >= 0.0 && x <= options_.width && y >= 0.0 && y <= options_.height)) continue;
        if (!StorePoint({x, y, line.values[2] * options_.zScale})) return false;
    }
    if (reader.failed()) {
        context_.ui.ShowMessage(FormatText(msg::kCouldNotReadTextFile.text, options_.source.c_str()), MessageIcon::Stop);
        return false;
    }
    return true;
}

bool AsciiIrregularJob::Run()
{
    BeginCheckpoints();
    points_.clear();
    if (HasTgaExtension(options_.source)) {
        results_.Clear();  // the scan's list of a picture's bytes means nothing
        context_.ui.ShowMessage(FormatText(msg::kIrregularSourceIsTga.text, options_.source.c_str()), MessageIcon::Stop);
        return false;
    }
    AsciiPointReader reader;
    if (!reader.Open(context_.ui, options_.source, options_.skipLines)) return false;
    results_.Clear();
    const bool gathered = GatherPoints(reader);
    reader.Close();
    bool ok = false;
    if (gathered && points_.empty()) results_.AddUncounted(msg::kIrregularNoValidLine.text);
    else if (gathered) ok = GridPoints(options_.width, options_.height, options_.target, std::nullopt);
    points_.clear();
    points_.shrink_to_fit();
    ClearStatus();
    return ok;
}

}  // namespace vistagon
