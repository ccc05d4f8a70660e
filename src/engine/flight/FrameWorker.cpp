#include "flight/FrameWorker.h"

#include "flight/FrameName.h"
#include "image/ElevationGrid.h"

#include <cstring>

namespace vistagon {

namespace {

uint32_t PackedColour(const Bgr& c)
{
    return static_cast<uint32_t>(c.b) | (static_cast<uint32_t>(c.g) << 8) | (static_cast<uint32_t>(c.r) << 16);
}

// A loaded image's pixels and out-of-range colour in a new image of the same size.
std::unique_ptr<CTGAFile> CopyImage(AppContext& context, const CTGAFile& source)
{
    auto copy = std::make_unique<CTGAFile>(context);
    if (!copy->CreateImage(source.GetWidth(), source.GetHeight())) return nullptr;
    copy->FillPacked(PackedColour(source.background()));
    const size_t rowBytes = 3 * static_cast<size_t>(source.GetWidth());
    for (int y = 0; y < source.GetHeight(); ++y)
        std::memcpy(copy->PixelBase() + y * copy->Stride(), source.PixelBase() + y * source.Stride(), rowBytes);
    return copy;
}

}  // namespace

FrameWorker::FrameWorker(AppContext& jobContext, const FrameSetup& setup, std::unique_ptr<WorkerInteraction> interaction)
    : interaction_(std::move(interaction)), context_{*interaction_, jobContext.profile}, setup_(setup)
{
}

std::unique_ptr<FrameWorker> FrameWorker::Create(AppContext& jobContext, const FrameSetup& setup,
                                                 std::unique_ptr<WorkerInteraction> interaction, CTGAFile* image,
                                                 bool copyTexture)
{
    std::unique_ptr<FrameWorker> worker(new FrameWorker(jobContext, setup, std::move(interaction)));
    if (!worker->MakeImages(image, copyTexture)) return nullptr;
    RenderSettings& settings = worker->setup_.settings;
    worker->projector_.emplace(worker->context_, settings.light, settings.outputWidth, settings.outputHeight);
    worker->projector_->SetTexture(settings.texture);
    if (settings.mode == RenderMode::Preview) {
        const ElevationGrid& terrain = *settings.elevation;
        worker->lattice_.emplace(terrain.GetGridWidth(), terrain.GetGridHeight(), settings.divisionsX, settings.divisionsY);
    } else {
        worker->renderer_.emplace(worker->context_, *worker->projector_, settings);
    }
    return worker;
}

bool FrameWorker::MakeImages(CTGAFile* image, bool copyTexture)
{
    RenderSettings& settings = setup_.settings;
    if (copyTexture && settings.texture != nullptr && settings.mode != RenderMode::Preview) {
        ownTexture_ = CopyImage(context_, *settings.texture);
        if (!ownTexture_) return false;
        settings.texture = ownTexture_.get();
    }
    image_ = image;
    if (image_ == nullptr && settings.mode != RenderMode::Preview) {
        ownImage_ = std::make_unique<CTGAFile>(context_);
        if (!ownImage_->CreateImage(settings.outputWidth, settings.outputHeight)) return false;
        image_ = ownImage_.get();
    }
    return true;
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
    switch (renderer_->RenderFrame(*image_, name, frame.camera.dustDistance, redraw)) {
    case FrameOutcome::Saved: return FrameResult::Finished;
    case FrameOutcome::SaveFailed: return FrameResult::SaveFailed;
    case FrameOutcome::Cancelled: break;
    }
    return FrameResult::Cancelled;
}

}  // namespace vistagon
