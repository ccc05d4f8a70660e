#pragma once

#include "flight/WorkerInteraction.h"
#include "platform/AppContext.h"
#include "render/FrameCrew.h"
#include "render/FrameRenderer.h"
#include "render/Projector.h"

#include <exception>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace vistagon {

class CTGAFile;

// The other members of a frame worker's crew: helpers that draw the same
// frame into the same image on threads of their own, so that one frame uses
// several cores. Each has its own projector and texture window over the job's
// shared terrain and texture; the worker's own renderer leads the crew, so
// they show no progress, ask nothing and stop when the lead stops.
class FrameBands {
public:
    // bands counts the caller, the lead, too.
    FrameBands(AppContext& jobContext, UserInteraction& relay, const RenderSettings& settings, int bands);
    ~FrameBands();
    FrameBands(const FrameBands&) = delete;
    FrameBands& operator=(const FrameBands&) = delete;

    int count() const { return crew_.members(); }
    // The crew the caller leads in the frame started.
    FrameCrew& crew() { return crew_; }
    // Starts members 1 and up on the frame; the caller then draws as member 0.
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

    FrameCrew crew_;
    std::vector<std::unique_ptr<Helper>> helpers_;
    std::vector<std::jthread> threads_;
};

}  // namespace vistagon
