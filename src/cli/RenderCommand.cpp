#include "Commands.h"
#include "SceneRendering.h"

namespace vistagon::cli {

int RunRender(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {"--mode", "--jobs", "--frames", "--video", "--fps"}, {});
    args.ExpectPositional(1, 1);
    RenderRequest request;
    request.scenePath = args.positional()[0];
    if (auto mode = args.Value("--mode")) request.mode = ParseModeWord(*mode);
    request.jobs = args.Int("--jobs").value_or(DefaultJobs());
    if (request.jobs < 1) throw UsageError("--jobs takes a number of at least 1");
    if (auto frames = args.Value("--frames")) ParseFramesWord(*frames, request);
    request.videoPath = args.Value("--video");
    request.framesPerSecond = args.Int("--fps").value_or(request.framesPerSecond);
    if (request.framesPerSecond < 1 || request.framesPerSecond > 1000) throw UsageError("--fps takes 1 to 1000 frames a second");
    if (request.videoPath && request.mode == RenderMode::Preview) throw UsageError("--video needs --mode final or raw");
    return RenderSceneFile(session, request);
}

}  // namespace vistagon::cli
