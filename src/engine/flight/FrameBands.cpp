#include "flight/FrameBands.h"

namespace vistagon {

FrameBands::Helper::Helper(AppContext& jobContext, UserInteraction& relay, const RenderSettings& settings)
    : interaction(relay, nullptr, nullptr), context{interaction, jobContext.profile},
      projector(context, settings.light, settings.outputWidth, settings.outputHeight),
      renderer(context, projector, settings)
{
    projector.SetTexture(settings.texture);
}

FrameBands::FrameBands(AppContext& jobContext, UserInteraction& relay, const RenderSettings& settings, int bands)
    : crew_(bands)
{
    for (int k = 1; k < bands; ++k) helpers_.push_back(std::make_unique<Helper>(jobContext, relay, settings));
}

FrameBands::~FrameBands()
{
    threads_.clear();
}

void FrameBands::Start(CTGAFile& image, const FrameCamera& camera)
{
    Join();
    crew_.Begin(image.GetWidth(), image.GetHeight());
    const int bands = count();
    for (int k = 1; k < bands; ++k) {
        Helper& helper = *helpers_[static_cast<size_t>(k - 1)];
        helper.failure = nullptr;
        helper.projector.SetCamera(camera);
        threads_.emplace_back([this, &helper, &image, &camera, k] {
            try {
                helper.renderer.Draw(image, camera.dustDistance, &crew_, k);
            } catch (...) {
                // The strips this member did not take are drawn by the others.
                helper.failure = std::current_exception();
            }
        });
    }
}

void FrameBands::Join()
{
    threads_.clear();
    for (const auto& helper : helpers_)
        if (helper->failure) std::rethrow_exception(std::exchange(helper->failure, nullptr));
}

}  // namespace vistagon
