#include "CVistagonApp.h"

#include "CMainFrame.h"
#include "CommandLine.h"
#include "flight/RenderJob.h"
#include "platform/StopSignalWatcher.h"
#include "platform/StopSignals.h"
#include "scene/CVistagonView.h"

#include <QFileInfo>
#include <clocale>
#include <memory>

// Resources of a static library need an explicit initialisation in the program.
static void InitDesktopResources()
{
    Q_INIT_RESOURCE(desktop);
}

namespace vistagon::gui {

namespace {

bool JobSucceeded(const CalculateResult& result)
{
    return result.stage == CalculateResult::Stage::Rendered && result.report.outcome == JobOutcome::Completed &&
           result.report.framesPlanned > 0;
}

}  // namespace

CVistagonApp::CVistagonApp(int& argc, char** argv) : QApplication(argc, argv)
{
    // Scene and profile numbers are read and written with a point whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    setApplicationName("vistagon");
    setApplicationDisplayName("Vistagon");
    setApplicationVersion(VISTAGON_VERSION);
    InitDesktopResources();
    setWindowIcon(QIcon(":/desktop/vistagon.svg"));
}

int CVistagonApp::Run()
{
    const StopSignalWatcher stopSignals;
    const int status = RunDocuments();
    // A job stopped by a signal has cleaned up; the process ends by that signal.
    EndByReceivedStopSignal();
    return status;
}

int CVistagonApp::RunDocuments()
{
    const CommandLine line = CommandLine::Parse(arguments().mid(1));
    auto frame = std::make_unique<CMainFrame>(Profile::ResolvePath(line.profile));
    frame_ = frame.get();
    frame->ShowWithPlacement();
    if (!line.document.isEmpty()) frame->OpenDocumentFile(line.document);
    CVistagonView* scene = frame->CurrentSceneForm();
    if (line.batchMode && scene) {
        CalculateResult result;
        frame->RunGuarded([&] { result = scene->RunCalculate(*line.batchMode); });
        // The job is done; the scene is closed without a save question, as the batch run made no edit.
        scene->SetModified(false);
        frame->close();
        frame_ = nullptr;
        return JobSucceeded(result) ? 0 : 1;
    }
    const int status = exec();
    frame_ = nullptr;
    return status;
}

bool CVistagonApp::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (frame_) frame_->ReportException(std::current_exception());
        return false;
    }
}

}  // namespace vistagon::gui
