#include "flight/FrameWorker.h"

#include "flight/FrameName.h"
#include "image/ElevationGrid.h"

namespace vistagon {

FrameWorker::FrameWorker(AppContext& jobContext, const FrameSetup& setup, std::unique_ptr<WorkerInteraction> interaction)
    : interaction_(std::move(interaction)), context_{*interaction_, jobContext.profile}, setup_(setup)
{
}

std::unique_ptr<FrameWorker> FrameWorker::Create(AppContext& jobContext, const FrameSetup& setup,
                                                 std::unique_ptr<WorkerInteraction> interaction, CTGAFile* image,
                                                 int bands, UserInteraction& relay)
{
    std::unique_ptr<FrameWorker> worker(new FrameWorker(jobContext, setup, std::move(interaction)));
    if (!worker->MakeImage(image)) return nullptr;
    RenderSettings& settings = worker->setup_.settings;
    worker->projector_.emplace(worker->context_, settings.light, settings.outputWidth, settings.outputHeight);
    worker->projector_->SetTexture(settings.texture);
    if (settings.mode == RenderMode::Preview) {
        const ElevationGrid& terrain = *settings.elevation;
        worker->lattice_.emplace(terrain.GetGridWidth(), terrain.GetGridHeight(), settings.divisionsX, settings.divisionsY);
    } else {
        worker->renderer_.emplace(worker->context_, *worker->projector_, settings);
        if (bands > 1) worker->bands_ = std::make_unique<FrameBands>(jobContext, relay, settings, bands);
    }
    return worker;
}

bool FrameWorker::MakeImage(CTGAFile* image)
{
    const RenderSettings& settings = setup_.settings;
    image_ = image;
    if (image_ == nullptr && settings.mode != RenderMode::Preview) {
        ownImage_ = std::make_unique<CTGAFile>(context_);
        if (!ownImage_->CreateImage(settings.outputWidth, settings.outputHeight)) return false;
        image_ = ownImage_.get();
    }
    return true;
}

void FrameWorker::WhileImageStill(const std::function<void()>& show)
{
    if (bands_)
        bands_->crew().WhileStill(show);
    else
        show();
}

FrameResult FrameWorker::Render(const PlannedFrame& frame, const std::function<void()>& redraw)
{
    projector_->SetCamera(frame.camera);
    if (setup_.settings.mode == RenderMode::Preview) {
        context_.ui.Pump();
        const bool drawn = RenderPreview(context_.ui, *projector_, *setup_.settings.elevation, *lattice_, *setup_.canvas);
        return drawn ? FrameResult::Finished : FrameResult::Cancelled;
    }
    const std::string name = FormatFrameName(setup_.outputTemplate, static_cast<long long>(frame.index) + setup_.offset);
    switch (DrawFrame(frame, name, redraw)) {
    case FrameOutcome::Saved: return FrameResult::Finished;
    case FrameOutcome::SaveFailed: return FrameResult::SaveFailed;
    case FrameOutcome::Cancelled: break;
    }
    return FrameResult::Cancelled;
}

FrameOutcome FrameWorker::DrawFrame(const PlannedFrame& frame, const std::string& name,
                                    const std::function<void()>& redraw)
{
    if (!bands_) return renderer_->RenderFrame(*image_, name, frame.camera.dustDistance, redraw);
    renderer_->Clear(*image_);
    bands_->Start(*image_, frame.camera);
    try {
        renderer_->Draw(*image_, frame.camera.dustDistance, &bands_->crew(), 0);
    } catch (...) {
        // The helpers draw into the image: they stop before it goes.
        try {
            bands_->Join();
        } catch (...) {
        }
        throw;
    }
    bands_->Join();
    return renderer_->Finish(*image_, name, redraw);
}

}  // namespace vistagon
