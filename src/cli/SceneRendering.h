#pragma once

#include "CliSession.h"
#include "render/RenderTypes.h"

#include <optional>
#include <string>

namespace vistagon::cli {

struct RenderRequest {
    std::string scenePath;
    RenderMode mode = RenderMode::Final;
    int jobs = 1;
    // Overrides of From and To, validated like them.
    std::optional<int> from;
    std::optional<int> to;
    // Also pipe the frames, in order, into ffmpeg for this video.
    std::optional<std::string> videoPath;
    int framesPerSecond = 25;
};

// Renders a scene file as its form's Calculate command would: frame files by
// the template relative to the current folder, "VGRECORD.XLS" there too, a
// summary on the session's stdout, progress on stderr. Returns the exit status.
int RenderSceneFile(CliSession& session, const RenderRequest& request);

// The number of frames to draw at once when --jobs is not given.
int DefaultJobs();

}  // namespace vistagon::cli
