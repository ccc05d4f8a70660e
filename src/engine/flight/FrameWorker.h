#pragma once

#include "flight/FrameBands.h"
#include "flight/PlannedFrame.h"
#include "flight/WorkerInteraction.h"
#include "image/CTGAFile.h"
#include "render/FrameRenderer.h"
#include "render/Projector.h"
#include "render/WirePreview.h"

#include <memory>
#include <optional>
#include <string>

namespace vistagon {

// What stays fixed for every frame of a job.
struct FrameSetup {
    RenderSettings settings;  // the job's terrain, texture and mask; the mask is only read
    std::string outputTemplate;
    int offset = 0;
    LineCanvas* canvas = nullptr;  // Preview
};

enum class FrameResult { Finished, SaveFailed, Cancelled };

// One renderer of frames with everything it draws with: its own output image
// and projector, so that several can draw side by side over one terrain, one
// texture and one mask; with bands, helpers draw parts of each of its frames.
class FrameWorker {
public:
    // image: the window's image to draw into, or none to make one of the output
    // size. bands: the threads that share each frame (Raw and Final); this
    // worker leads them, the others interact only through relay. None when an
    // image cannot be made (the image layer has said why).
    static std::unique_ptr<FrameWorker> Create(AppContext& jobContext, const FrameSetup& setup,
                                               std::unique_ptr<WorkerInteraction> interaction, CTGAFile* image,
                                               int bands, UserInteraction& relay);

    FrameResult Render(const PlannedFrame& frame, const std::function<void()>& redraw);

    UserInteraction& ui() { return *interaction_; }
    const CTGAFile* image() const { return image_; }
    // Calls show with the image's pixels holding still: on the thread that
    // renders, while the helpers of a shared frame may be drawing.
    void WhileImageStill(const std::function<void()>& show);

private:
    FrameWorker(AppContext& jobContext, const FrameSetup& setup, std::unique_ptr<WorkerInteraction> interaction);
    bool MakeImage(CTGAFile* image);
    FrameOutcome DrawFrame(const PlannedFrame& frame, const std::string& name, const std::function<void()>& redraw);

    std::unique_ptr<WorkerInteraction> interaction_;
    AppContext context_;
    FrameSetup setup_;
    std::unique_ptr<CTGAFile> ownImage_;
    CTGAFile* image_ = nullptr;
    std::optional<Projector> projector_;
    std::optional<FrameRenderer> renderer_;
    std::optional<WireLattice> lattice_;
    // Last: its threads draw into the image.
    std::unique_ptr<FrameBands> bands_;
};

}  // namespace vistagon
