#include "Commands.h"
#include "import/asciiregular/AsciiRegularJob.h"
#include "import/irregular/AsciiIrregularJob.h"
#include "import/irregular/TgaIrregularJob.h"
#include "image/CTGAFile.h"
#include "import/asciiregular/AsciiPointReader.h"

#include <climits>

namespace vistagon::cli {

namespace {

// The results list, one line each, after the conversion's own messages.
void PrintResults(CliSession& session, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) session.interaction.ShowMessage(line, MessageIcon::Information);
}

int ExitStatusOf(bool converted, const ConvertJob& job)
{
    return converted && !job.WasCancelled() ? kSuccess : kFailure;
}

// The four boundaries: true when all of them were given.
struct BoundaryArguments {
    std::optional<double> minX, maxX, minY, maxY;

    explicit BoundaryArguments(const ArgumentList& args)
        : minX(args.Double("--min-x")), maxX(args.Double("--max-x")), minY(args.Double("--min-y")),
          maxY(args.Double("--max-y"))
    {
    }
    bool complete() const { return minX && maxX && minY && maxY; }

    template <class Options>
    void ApplyTo(Options& options) const
    {
        options.minX = minX.value_or(options.minX);
        options.maxX = maxX.value_or(options.maxX);
        options.minY = minY.value_or(options.minY);
        options.maxY = maxY.value_or(options.maxY);
    }
};

// Without --estimate a command line grids every point: one more than could come.
int EstimateAbove(long count)
{
    return count >= INT_MAX - 1 ? INT_MAX : static_cast<int>(count + 1);
}

// The data lines after the skipped ones; none (after saying why) when the
// source cannot be read.
std::optional<int> EstimateForLines(CliSession& session, const std::string& source, int skipLines)
{
    AsciiPointReader reader;
    if (!reader.Open(session.interaction, source, skipLines)) return std::nullopt;
    PointLine line;
    while (reader.Next(line)) {
    }
    const long lines = reader.lineNumber();
    reader.Close();
    return EstimateAbove(lines);
}

// The pixels with blue 0, which are the points.
std::optional<int> EstimateForBlueZero(CliSession& session, const std::string& source)
{
    CTGAFile image(session.context);
    if (!image.OnOpenDocument(source)) return std::nullopt;
    long points = 0;
    for (int y = 0; y < image.GetHeight(); ++y) {
        const uint8_t* pixel = image.PixelBase() + static_cast<size_t>(y) * image.Stride();
        for (int x = 0; x < image.GetWidth(); ++x, pixel += 3) points += pixel[0] == 0;
    }
    image.OnCloseDocument();
    return EstimateAbove(points);
}

const std::set<std::string> kBoundaryOptions = {"--min-x", "--max-x", "--min-y", "--max-y"};

std::set<std::string> WithBoundaries(std::set<std::string> options)
{
    options.insert(kBoundaryOptions.begin(), kBoundaryOptions.end());
    return options;
}

}  // namespace

// import ascii-regular SOURCE TARGET: what is not given comes from the scan of the source.
int RunImportAsciiRegular(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, WithBoundaries({"--skip", "--width", "--height", "--zscale"}), {});
    args.ExpectPositional(2, 2);
    const BoundaryArguments bounds(args);
    const auto skip = args.Int("--skip"), width = args.Int("--width"), height = args.Int("--height");
    const auto zScale = args.Double("--zscale");

    AsciiRegularOptions options;
    options.source = args.positional()[0];
    options.target = args.positional()[1];
    options.skipLines = skip.value_or(options.skipLines);
    options.zScale = zScale.value_or(options.zScale);
    AsciiRegularJob job(session.context, options);
    if (!(bounds.complete() && width && height) && !job.Scan()) {
        PrintResults(session, job.results());
        return kFailure;
    }
    bounds.ApplyTo(job.options());
    job.options().width = width.value_or(job.options().width);
    job.options().height = height.value_or(job.options().height);

    const bool converted = job.Run();
    PrintResults(session, job.results());
    return ExitStatusOf(converted, job);
}

// import ascii-irregular SOURCE TARGET: the bounds come from the scan unless all are given.
int RunImportAsciiIrregular(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, WithBoundaries({"--skip", "--width", "--height", "--zscale", "--estimate"}), {});
    args.ExpectPositional(2, 2);
    const BoundaryArguments bounds(args);
    const auto skip = args.Int("--skip"), width = args.Int("--width"), height = args.Int("--height");
    const auto estimate = args.Int("--estimate");
    const auto zScale = args.Double("--zscale");

    AsciiIrregularOptions options;
    options.source = args.positional()[0];
    options.target = args.positional()[1];
    options.skipLines = skip.value_or(options.skipLines);
    options.width = width.value_or(options.width);
    options.height = height.value_or(options.height);
    options.zScale = zScale.value_or(options.zScale);
    if (!estimate) {
        const auto lines = EstimateForLines(session, options.source, options.skipLines);
        if (!lines) return kFailure;
        options.estimate = *lines;
    } else {
        options.estimate = *estimate;
    }
    AsciiIrregularJob job(session.context, options);
    if (!bounds.complete() && !job.Scan()) {
        PrintResults(session, job.results());
        return kFailure;
    }
    bounds.ApplyTo(job.options());

    const bool converted = job.Run();
    PrintResults(session, job.results());
    return ExitStatusOf(converted, job);
}

// import tga-irregular SOURCE TARGET: the pixels with blue 0 are the points.
int RunImportTgaIrregular(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {"--zscale", "--estimate"}, {});
    args.ExpectPositional(2, 2);
    TgaIrregularOptions options;
    options.source = args.positional()[0];
    options.target = args.positional()[1];
    options.zScale = args.Double("--zscale").value_or(options.zScale);
    const auto estimate = args.Int("--estimate");
    const auto points = estimate ? estimate : EstimateForBlueZero(session, options.source);
    if (!points) return kFailure;
    options.estimate = *points;

    TgaIrregularJob job(session.context, options);
    const bool converted = job.Run();
    PrintResults(session, job.results());
    return ExitStatusOf(converted, job);
}

}  // namespace vistagon::cli
