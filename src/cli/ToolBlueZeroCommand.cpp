#include "Commands.h"
#include "import/irregular/BlueZeroJob.h"

namespace vistagon::cli {

// tool blue-zero SOURCE TARGET: no pixel of the copy keeps blue 0.
int RunToolBlueZero(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {}, {});
    args.ExpectPositional(2, 2);
    BlueZeroJob job(session.context, {args.positional()[0], args.positional()[1]});
    const bool converted = job.Run();
    return converted && !job.WasCancelled() ? kSuccess : kFailure;
}

}  // namespace vistagon::cli
