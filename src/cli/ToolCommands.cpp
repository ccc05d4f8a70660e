// Entry points of `vistagon-cli tool KIND ...`: each builds its job's options from
// the words (the dialog's initial values where an option is left out) and runs it.
#include "Commands.h"
#include "platform/FileError.h"
#include "tools/ConvolutionJob.h"
#include "tools/ElevationToColorJob.h"
#include "tools/ElevationToGrayJob.h"
#include "tools/GrayToElevationJob.h"
#include "tools/MaskJob.h"
#include "tools/MergeJob.h"
#include "tools/RectifyJob.h"
#include "tools/ResampleJob.h"

#include <cstdio>

namespace vistagon::cli {

namespace {

// SOURCE TARGET plus the given options.
ArgumentList SourceAndTarget(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
                             const std::set<std::string>& flags = {})
{
    ArgumentList args(words, valueOptions, flags);
    args.ExpectPositional(2, 2);
    return args;
}

std::string Required(const ArgumentList& args, const std::string& option)
{
    auto value = args.Value(option);
    if (!value) throw UsageError("missing " + option);
    return *value;
}

int RunJob(CliSession& session, ConvertJob& job, const std::string& target)
{
    const bool ok = job.Run();
    session.interaction.progress().Break();
    if (!ok) return kFailure;
    if (job.WasCancelled()) {
        std::fprintf(stderr, "cancelled; '%s' was not written\n", target.c_str());
        return kFailure;
    }
    std::fprintf(session.out, "wrote %s\n", target.c_str());
    return kSuccess;
}

// The corner values: the profile's, overridden by the options, then remembered.
RectifyCorners RectifyCornersFor(CliSession& session, const ArgumentList& args)
{
    RectifyCorners corners = RectifyCorners::Load(session.context.profile);
    const auto take = [&args](const char* option, std::array<CornerPoint, 4>& points) {
        if (auto values = args.Doubles(option, 8))
            for (size_t k = 0; k < 4; ++k) points[k] = {(*values)[2 * k], (*values)[2 * k + 1]};
    };
    take("--target-corners", corners.output);
    take("--source-corners", corners.source);
    try {
        corners.Store(session.context.profile);
    } catch (const FileError& error) {
        // The run does not depend on it; only the next default is lost.
        std::fprintf(stderr, "the corner values could not be remembered: %s\n", error.what());
    }
    return corners;
}

}  // namespace

int RunToolElevToColor(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args = SourceAndTarget(words, {"--palette", "--lower", "--upper"});
    ElevationToColorOptions options;
    options.source = args.positional()[0];
    options.target = args.positional()[1];
    options.palette = Required(args, "--palette");
    options.lowerLimit = args.Int("--lower").value_or(options.lowerLimit);
    options.upperLimit = args.Int("--upper").value_or(options.upperLimit);
    ElevationToColorJob job(session.context, options);
    return RunJob(session, job, options.target);
}

int RunToolElevToGray(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args = SourceAndTarget(words, {"--zscale"});
    ElevationToGrayOptions options;
    options.source = args.positional()[0];
    options.target = args.positional()[1];
    options.zScale = args.Double("--zscale").value_or(options.zScale);
    ElevationToGrayJob job(session.context, options);
    return RunJob(session, job, options.target);
}

int RunToolGrayToElev(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args = SourceAndTarget(words, {});
    GrayToElevationJob job(session.context, {args.positional()[0], args.positional()[1]});
    return RunJob(session, job, args.positional()[1]);
}

int RunToolConvolve(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args = SourceAndTarget(words, {"--matrix"});
    ConvolutionJob job(session.context, {args.positional()[0], args.positional()[1], Required(args, "--matrix")});
    return RunJob(session, job, args.positional()[1]);
}

int RunToolMerge(CliSession& session, const std::vector<std::string>& words)
{
    ArgumentList args(words, {"--bias1", "--bias2"}, {"--multiply"});
    args.ExpectPositional(3, 3);
    MergeOptions options;
    options.source = args.positional()[0];
    options.second = args.positional()[1];
    options.target = args.positional()[2];
    options.bias1 = args.Double("--bias1").value_or(options.bias1);
    options.bias2 = args.Double("--bias2").value_or(options.bias2);
    if (args.Has("--multiply")) options.operation = MergeOperation::Multiply;
    MergeJob job(session.context, options);
    return RunJob(session, job, options.target);
}

int RunToolMask(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args = SourceAndTarget(words, {"--mask"});
    MaskJob job(session.context, {args.positional()[0], args.positional()[1], Required(args, "--mask")});
    return RunJob(session, job, args.positional()[1]);
}

int RunToolResample(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args = SourceAndTarget(words, {"--factor"});
    const auto factor = args.Int("--factor");
    if (!factor) throw UsageError("missing --factor");
    if (*factor < 2 || *factor > 4) throw UsageError("--factor takes 2, 3 or 4");
    ResampleJob job(session.context, {args.positional()[0], args.positional()[1], *factor - 2});
    return RunJob(session, job, args.positional()[1]);
}

int RunToolRectify(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args = SourceAndTarget(words, {"--target-corners", "--source-corners"}, {"--elevation"});
    RectifyOptions options;
    options.source = args.positional()[0];
    options.target = args.positional()[1];
    options.corners = RectifyCornersFor(session, args);
    if (args.Has("--elevation")) options.type = RectifyFileType::Elevation;
    RectifyJob job(session.context, options);
    return RunJob(session, job, options.target);
}

}  // namespace vistagon::cli
