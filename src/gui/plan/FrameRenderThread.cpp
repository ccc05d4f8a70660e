#include "FrameRenderThread.h"

#include "BackgroundInteraction.h"
#include "flight/JobCopy.h"
#include "flight/RenderHost.h"
#include "flight/RenderJob.h"
#include "image/RasterPainter.h"

namespace vistagon::gui {

namespace {

// Keeps the one picture a job of one frame hands over.
class PictureKeeper : public RenderHost {
public:
    bool WantsFramePictures() const override { return true; }
    void FramePictureReady(const FramePicture& picture) override { this->picture = RasterPainter::Rows(picture); }

    QImage picture;
};

}  // namespace

FrameRenderThread::FrameRenderThread(Profile profile, QObject* parent) : QThread(parent), profile_(std::move(profile))
{
}

FrameRenderThread::~FrameRenderThread()
{
    Stop();
}

void FrameRenderThread::Render(const SceneParameters& values, const std::string& documentPath, int frame, RenderMode mode)
{
    mailbox_.Post(FrameRequest{values, documentPath, frame, mode});
    if (!isRunning()) start();
}

void FrameRenderThread::Stop()
{
    mailbox_.Close();
    wait();
}

FrameRenderThread::Counts FrameRenderThread::counts() const
{
    return Counts{started_, cancelled_, finished_, mailbox_.replaced()};
}

void FrameRenderThread::run()
{
    while (std::optional<FrameRequest> request = mailbox_.Take()) {
        ++started_;
        BackgroundInteraction ui([this] { return mailbox_.Outdated(); }, [this] { mailbox_.HoldPoint(); });
        AppContext context{ui, profile_};
        // Planned as far as this frame, as render --frames N-N plans it.
        SceneParameters values = request->values;
        values.To = request->frame;
        FileRemover temporary;
        std::optional<SceneProblem> problem;
        PictureKeeper host;
        JobOutcome outcome = JobOutcome::Refused;
        if (WriteJobCopy(ui, values, request->documentPath, temporary, problem) == JobCopyStage::Written) {
            RenderJobOptions options;
            options.onlyFrames = FrameRange{request->frame, request->frame};
            options.picturesOnly = true;
            outcome = RunJob(context, host, temporary.path(), request->mode, options).outcome;
        }
        if (problem) ui.ShowMessage(problem->message, MessageIcon::Stop);
        if (outcome == JobOutcome::Stopped) {
            ++cancelled_;
        } else if (outcome == JobOutcome::Completed && !host.picture.isNull()) {
            ++finished_;
            emit Rendered(request->frame, static_cast<int>(request->mode), host.picture);
        } else if (!mailbox_.Outdated()) {
            emit Failed(request->frame, JoinMessages(ui.messages()));
        }
    }
}

}  // namespace vistagon::gui
