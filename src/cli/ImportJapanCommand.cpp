#include "Commands.h"
#include "import/japandem/JapanDemJob.h"

namespace vistagon::cli {

// import japan SOURCE TARGET [--void V]
int RunImportJapan(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {"--void"}, {});
    args.ExpectPositional(2, 2);
    JapanDemOptions options;
    options.source = args.positional()[0];
    options.target = args.positional()[1];
    options.voidValue = args.Int("--void").value_or(options.voidValue);

    JapanDemJob job(session.context, options);
    const bool converted = job.Run();
    return converted && !job.WasCancelled() ? kSuccess : kFailure;
}

}  // namespace vistagon::cli
