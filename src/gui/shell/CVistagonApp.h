#pragma once

#include <QApplication>
#include <functional>

namespace vistagon::gui {

class CMainFrame;

// The application object: start-up in the order of the command line, batch
// rendering, and the report of exceptions that escape any window handler.
class CVistagonApp : public QApplication {
    Q_OBJECT
public:
    CVistagonApp(int& argc, char** argv);

    // Opens the command line's document; in batch mode renders it and returns
    // the exit status, otherwise runs the event loop. After a stop signal the
    // process ends by that signal once the job has cleaned up.
    int Run();

    bool notify(QObject* receiver, QEvent* event) override;

private:
    int RunDocuments();

    CMainFrame* frame_ = nullptr;
};

}  // namespace vistagon::gui
