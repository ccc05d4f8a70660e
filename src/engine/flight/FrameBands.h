#pragma once

#include "flight/WorkerInteraction.h"
#include "platform/AppContext.h"
#include "render/FrameRenderer.h"
#include "render/Projector.h"

#include <exception>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace vistagon {

class CTGAFile;

// The other bands of a frame worker's picture: helpers that draw the same
// frame into the same image, each its own rows on a thread of its own, so that
// one frame uses several cores. Each has its own projector and texture window
// over the job's shared terrain and texture. They read the job's cancel flag
// through the relay, show no progress and ask nothing.
class FrameBands {
public:
    // bands counts the caller's own band 0 too.
    FrameBands(AppContext& jobContext, UserInteraction& relay, const RenderSettings& settings, int bands);
    ~FrameBands();
    FrameBands(const FrameBands&) = delete;
    FrameBands& operator=(const FrameBands&) = delete;

    int count() const { return static_cast<int>(helpers_.size()) + 1; }
    // Starts bands 1 and up of the frame on their threads; the caller draws band 0.
    void Start(CTGAFile& image, const FrameCamera& camera);
    // Waits for them and rethrows what one of them threw.
    void Join();

private:
    struct Helper {
        Helper(AppContext& jobContext, UserInteraction& relay, const RenderSettings& settings);
        WorkerInteraction interaction;
        AppContext context;
        Projector projector;
        FrameRenderer renderer;
        std::exception_ptr failure;
    };

    std::vector<std::unique_ptr<Helper>> helpers_;
    std::vector<std::jthread> threads_;
};

}  // namespace vistagon
