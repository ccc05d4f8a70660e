#include "Commands.h"
#include "import/sdts/SdtsImportJob.h"

namespace vistagon::cli {

// import sdts SOURCE TARGET [--void V] [--fill F]
int RunImportSdts(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {"--void", "--fill"}, {});
    args.ExpectPositional(2, 2);
    SdtsImportOptions options;
    options.sourcePath = args.positional()[0];
    options.targetPath = args.positional()[1];
    options.voidValue = args.Int("--void").value_or(options.voidValue);
    options.fillValue = args.Int("--fill").value_or(options.fillValue);

    SdtsImportJob job(session.context, options);
    const bool converted = job.Run();
    return converted && !job.WasCancelled() ? kSuccess : kFailure;
}

}  // namespace vistagon::cli
