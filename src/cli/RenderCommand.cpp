#include "Commands.h"
#include "SceneRendering.h"

#include <strings.h>

namespace vistagon::cli {

namespace {

RenderMode ParseMode(const std::string& word)
{
    if (strcasecmp(word.c_str(), "final") == 0) return RenderMode::Final;
    if (strcasecmp(word.c_str(), "raw") == 0) return RenderMode::Raw;
    if (strcasecmp(word.c_str(), "preview") == 0) return RenderMode::Preview;
    throw UsageError("--mode takes final, raw or preview, not '" + word + "'");
}

// "A-B", or "A" for a single frame.
void ParseFrames(const std::string& word, RenderRequest& request)
{
    const size_t dash = word.find('-', 1);
    const std::optional<int> from = ParseIntWord(word.substr(0, dash));
    const std::optional<int> to = dash == std::string::npos ? from : ParseIntWord(word.substr(dash + 1));
    if (!from || !to) throw UsageError("--frames takes a range A-B of frame numbers, not '" + word + "'");
    request.from = from;
    request.to = to;
}

}  // namespace

int RunRender(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {"--mode", "--jobs", "--frames", "--video", "--fps"}, {});
    args.ExpectPositional(1, 1);
    RenderRequest request;
    request.scenePath = args.positional()[0];
    if (auto mode = args.Value("--mode")) request.mode = ParseMode(*mode);
    request.jobs = args.Int("--jobs").value_or(DefaultJobs());
    if (request.jobs < 1) throw UsageError("--jobs takes a number of at least 1");
    if (auto frames = args.Value("--frames")) ParseFrames(*frames, request);
    request.videoPath = args.Value("--video");
    request.framesPerSecond = args.Int("--fps").value_or(request.framesPerSecond);
    if (request.framesPerSecond < 1 || request.framesPerSecond > 1000) throw UsageError("--fps takes 1 to 1000 frames a second");
    if (request.videoPath && request.mode == RenderMode::Preview) throw UsageError("--video needs --mode final or raw");
    return RenderSceneFile(session, request);
}

}  // namespace vistagon::cli
