#pragma once

#include "image/CTGAFile.h"
#include "platform/AppContext.h"
#include "render/FrameRenderer.h"
#include "render/Projector.h"
#include "render/RenderTypes.h"

namespace vistagon::bench {

// What one textured frame is drawn with: its output at the settings' size,
// a projector on the camera and the renderer.
struct BenchFrame {
    BenchFrame(AppContext& context, const RenderSettings& settings, const CTGAFile& texture, const FrameCamera& camera)
        : output(context), projector(context, settings.light, settings.outputWidth, settings.outputHeight),
          renderer(context, projector, settings)
    {
        output.CreateImage(settings.outputWidth, settings.outputHeight);
        projector.SetTexture(&texture);
        projector.SetCamera(camera);
    }

    CTGAFile output;
    Projector projector;
    FrameRenderer renderer;
};

}  // namespace vistagon::bench
