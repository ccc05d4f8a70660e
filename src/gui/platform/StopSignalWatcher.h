#pragma once

#include <QObject>
#include <QSocketNotifier>

namespace vistagon::gui {

// Installs the stop signals and, once one has come, leaves every event loop,
// the modal ones of open questions and dialogs too: a running job then sees
// its cancel test true, ends as a stop does, and the application ends after it.
class StopSignalWatcher : public QObject {
public:
    StopSignalWatcher();

private:
    void StopEverything();

    QSocketNotifier notifier_;
};

}  // namespace vistagon::gui
