#include "Commands.h"
#include "platform/StopSignals.h"

int main(int argc, char** argv)
{
    vistagon::InstallStopSignals();
    const int status = vistagon::cli::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    // A job stopped by a signal has cleaned up; the process ends by that signal.
    vistagon::EndByReceivedStopSignal();
    return status;
}
