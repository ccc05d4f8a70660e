#include "FlightPlanThread.h"

#include "BackgroundInteraction.h"
#include "image/RasterPainter.h"
#include "pathedit/PathPicture.h"

namespace vistagon::gui {

FlightPlanThread::FlightPlanThread(Profile profile, QObject* parent) : QThread(parent), profile_(std::move(profile))
{
    qRegisterMetaType<PlanOutcomePtr>();
}

FlightPlanThread::~FlightPlanThread()
{
    Stop();
}

void FlightPlanThread::Plan(int generation, const SceneParameters& values, const std::string& documentPath)
{
    mailbox_.Post(Request{generation, values, documentPath});
    if (!isRunning()) start();
}

void FlightPlanThread::Stop()
{
    mailbox_.Close();
    wait();
}

const QImage& FlightPlanThread::Picture(AppContext& context, const std::string& path)
{
    if (path != picturePath_) {
        picturePath_ = path;
        picture_ = LoadPathPicture(context, path);
        // Read again next time: the file may come, or the read was outdated.
        if (picture_.isNull()) picturePath_.clear();
    }
    return picture_;
}

void FlightPlanThread::run()
{
    while (std::optional<Request> request = mailbox_.Take()) {
        BackgroundInteraction ui([this] { return mailbox_.Outdated(); }, [] {});
        AppContext context{ui, profile_};
        auto outcome = std::make_shared<PlanOutcome>();
        outcome->generation = request->generation;
        outcome->values = request->values;
        outcome->documentPath = request->documentPath;
        outcome->planned = PlanScene(context, request->values, request->documentPath, RenderMode::Raw, std::nullopt);
        if (outcome->planned.problem) ui.ShowMessage(outcome->planned.problem->message, MessageIcon::Stop);
        outcome->picture = Picture(context, PathPictureFile(request->values));
        outcome->messages = ui.messages();
        if (mailbox_.Outdated()) continue;
        emit Planned(outcome);
    }
}

}  // namespace vistagon::gui
