#include "import/asciiregular/AsciiRegularJob.h"

#include "image/CTGAFile.h"
#include "image/ElevationEncoding.h"
#include "image/GeoreferenceFile.h"
#include "import/asciiregular/AsciiPointReader.h"
#include "platform/TextFormat.h"
#include "platform/Truncate.h"
#include "platform/messages/AsciiRegularMessages.h"
#include "platform/messages/TextFileMessages.h"

#include <climits>
#include <cmath>

namespace vistagon {

namespace {

constexpr double kFloatMax = 3.4028234663852886e38;
constexpr double kStepTolerance = 1e-6;

const ShortLineTexts kShortLineTexts{msg::kRegularOneItem, msg::kRegularTwoItems, msg::kRegularNoItem};

// trunc(range / step + 1e-6) + 1 nodes along one axis.
int ProposedNodes(double minimum, double maximum, double step)
{
    const long long nodes = static_cast<long long>(TruncateToInt((maximum - minimum) / step + kStepTolerance)) + 1;
    return nodes > INT_MAX ? INT_MAX : static_cast<int>(nodes);
}

// The smallest distance above 1e-6 between consecutive values of one axis.
struct StepTracker {
    double previous = kFloatMax;
    double step = kFloatMax;
    double minimum = kFloatMax;
    double maximum = -kFloatMax;

    void Add(double value)
    {
        const double d = std::fabs(value - previous);
        previous = value;
        if (d > kStepTolerance && d < step) step = d;
        if (value < minimum) minimum = value;
        if (value > maximum) maximum = value;
    }
};

}  // namespace

AsciiRegularJob::AsciiRegularJob(AppContext& context, AsciiRegularOptions options)
    : CheckpointJob(context), options_(std::move(options)), results_(msg::kRegularTooManyMessages)
{
}

bool AsciiRegularJob::Scan()
{
    BeginCheckpoints();
    results_.Clear();
    AsciiPointReader reader;
    if (!reader.Open(context_.ui, options_.source, options_.skipLines)) return false;
    StepTracker x;
    StepTracker y;
    PointLine line;
    while (reader.Next(line)) {
        if (!LineCheckpoint(reader.lineNumber())) break;
        if (line.count < 3) {
            results_.AddShortLine(kShortLineTexts, reader.lineNumber(), line.count);
            continue;
        }
        x.Add(line.values[0]);
        y.Add(line.values[1]);
    }
    const bool readFailed = reader.failed();
    reader.Close();
    options_.minX = x.minimum;
    options_.maxX = x.maximum;
    options_.minY = y.minimum;
    options_.maxY = y.maximum;
    options_.width = ProposedNodes(x.minimum, x.maximum, x.step);
    options_.height = ProposedNodes(y.minimum, y.maximum, y.step);
    ClearStatus();
    if (readFailed) return ReportReadFailure();
    return !WasCancelled();
}

bool AsciiRegularJob::ReportReadFailure()
{
    context_.ui.ShowMessage(FormatText(msg::kCouldNotReadTextFile.text, options_.source.c_str()), MessageIcon::Stop);
    return false;
}

bool AsciiRegularJob::CheckBoundaries()
{
    // The mapping onto the grid divides by maximum - minimum.
    if (options_.minX == options_.maxX) {
        context_.ui.ShowMessage(msg::kRegularEqualBoundsX.text, MessageIcon::Stop);
        return false;
    }
    if (options_.minY == options_.maxY) {
        context_.ui.ShowMessage(msg::kRegularEqualBoundsY.text, MessageIcon::Stop);
        return false;
    }
    return true;
}

bool AsciiRegularJob::PlacePoints(AsciiPointReader& reader, CTGAFile& image, long& validLines)
{
    const double scaleX = (options_.width - 1) / (options_.maxX - options_.minX);
    const double scaleY = (options_.height - 1) / (options_.maxY - options_.minY);
    Bgr color;
    image.SetDrawColor(&color);
    PointLine line;
    while (reader.Next(line)) {
        if (!LineCheckpoint(reader.lineNumber())) break;
        if (line.count < 3) {
            results_.AddShortLine(kShortLineTexts, reader.lineNumber(), line.count);
            continue;
        }
        ++validLines;
        const double column = (line.values[0] - options_.minX) * scaleX;
        const double row = (line.values[1] - options_.minY) * scaleY;
        color = EncodeElevation(TruncateToInt(line.values[2] * options_.zScale));
        // Writes outside the raster are dropped, which ignores nodes beyond the boundaries.
        image.SetPixel(TruncateToInt(column + 0.5), TruncateToInt(row + 0.5));
    }
    image.SetDrawColor(&image.background());
    if (reader.failed()) return ReportReadFailure();
    return true;
}

bool AsciiRegularJob::Run()
{
    BeginCheckpoints();
    results_.Clear();
    if (!CheckBoundaries()) return false;
    AsciiPointReader reader;
    if (!reader.Open(context_.ui, options_.source, options_.skipLines)) return false;
    CTGAFile image(context_, true, 1.0, 1.0, &context_.ui.Status());
    if (!image.CreateImage(options_.width, options_.height)) return false;
    image.FillGray(0);
    long validLines = 0;
    bool ok = PlacePoints(reader, image, validLines);
    reader.Close();
    // Listed lines already tell what went wrong (and the flat image is still
    // written); a source without any data line would pass for a flat terrain.
    if (ok && validLines == 0 && results_.empty() && !WasCancelled()) {
        context_.ui.ShowMessage(msg::kRegularNoValidLine.text, MessageIcon::Stop);
        ok = false;
    }
    // A cancelled run saves nothing but still counts as done, as the dialog sees it.
    if (ok && !WasCancelled())
        ok = image.OnSaveDocument(options_.target) && SaveGeoreference(context_, options_.target, std::nullopt);
    image.OnCloseDocument();
    ClearStatus();
    return ok && results_.empty();
}

}  // namespace vistagon
