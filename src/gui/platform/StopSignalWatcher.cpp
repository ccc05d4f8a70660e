#include "StopSignalWatcher.h"

#include "platform/StopSignals.h"

#include <QCoreApplication>

namespace vistagon::gui {

namespace {

int InstalledDescriptor()
{
    InstallStopSignals();
    return StopSignalDescriptor();
}

}  // namespace

StopSignalWatcher::StopSignalWatcher() : notifier_(InstalledDescriptor(), QSocketNotifier::Read)
{
    connect(&notifier_, &QSocketNotifier::activated, this, &StopSignalWatcher::StopEverything);
}

void StopSignalWatcher::StopEverything()
{
    notifier_.setEnabled(false);
    // Also ends the loops still to come, so no question waits for an answer on the way out.
    QCoreApplication::exit(1);
}

}  // namespace vistagon::gui
