#pragma once

#include "CliSession.h"
#include "flight/RenderJob.h"
#include "render/RenderTypes.h"
#include "scene/SceneParameters.h"

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

// Reads the request's scene and applies its frame range as render does: the
// range validated like From and To, the flight planned from the scene's From
// (or the range's first frame when that comes earlier) to the range's last.
// False after the message when the file or the range is refused.
bool LoadRequestedScene(UserInteraction& ui, const RenderRequest& request, SceneParameters& scene,
                        std::optional<FrameRange>& onlyFrames);

// "final", "raw" or "preview" in any case; UsageError otherwise.
RenderMode ParseModeWord(const std::string& word);
// "A-B", or "A" for a single frame, into the request's from and to; UsageError otherwise.
void ParseFramesWord(const std::string& word, RenderRequest& request);

// Says on stderr that a curved flight has no position for the frames asked for.
void ReportNoFrame(const SceneParameters& scene);

// The number of frames to draw at once when --jobs is not given.
int DefaultJobs();

}  // namespace vistagon::cli
