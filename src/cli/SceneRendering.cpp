#include "SceneRendering.h"

#include "ArgumentList.h"
#include "RenderProgressDisplay.h"
#include "VideoEncoder.h"
#include "flight/Calculate.h"
#include "flight/FrameName.h"
#include "flight/RecorderLog.h"
#include "platform/BinaryFile.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"
#include "platform/messages/SceneMessages.h"
#include "scene/SceneScript.h"
#include "scene/SceneValidation.h"

#include <algorithm>
#include <memory>
#include <strings.h>
#include <thread>

namespace vistagon::cli {

namespace {

// The command line's scene form: the file's values, unmodified.
class FileSceneForm : public SceneForm {
public:
    FileSceneForm(SceneParameters values, std::string path) : values_(std::move(values)), path_(std::move(path)) {}

    std::optional<SceneParameters> TakeValues() override { return values_; }
    std::string DocumentPath() const override { return path_; }
    bool IsModified() const override { return false; }
    void SetModified(bool) override {}
    void SetJobRunning(bool) override {}

private:
    SceneParameters values_;
    std::string path_;
};

// Preview on the command line draws nowhere; it counts the lines of the wire model.
class CountingHost : public RenderHost, public LineCanvas {
public:
    CountingHost(RenderProgressDisplay& display, VideoEncoder* video) : display_(display), video_(video) {}

    LineCanvas* PreviewCanvas() override { return this; }
    void Repaint() override {}
    void DrawLine(int, int, int, int, uint32_t) override { ++lines; }
    void ShowProgress(const JobProgress& progress) override { display_.Show(progress); }
    bool WantsFramePictures() const override { return video_ != nullptr; }
    void FramePictureReady(const FramePicture& picture) override
    {
        if (video_ != nullptr) video_->Write(picture);
    }

    long lines = 0;

private:
    RenderProgressDisplay& display_;
    VideoEncoder* video_;
};

// The video is started before the job, so that a missing ffmpeg stops everything first.
std::unique_ptr<VideoEncoder> StartVideo(UserInteraction& ui, const RenderRequest& request, const SceneParameters& scene)
{
    const std::optional<std::string> ffmpeg = VideoEncoder::FindFfmpeg();
    if (!ffmpeg) {
        ui.ShowMessage("--video needs ffmpeg, which is not on PATH; nothing was rendered.", MessageIcon::Stop);
        return nullptr;
    }
    auto video = std::make_unique<VideoEncoder>(*request.videoPath, request.framesPerSecond);
    std::string error;
    if (!video->Start(*ffmpeg, scene.SizeX, scene.SizeY, error)) {
        ui.ShowMessage("Cannot make the video '" + *request.videoPath + "': " + error, MessageIcon::Stop);
        return nullptr;
    }
    return video;
}

// A video of every frame, or none at all.
bool FinishVideo(CliSession& session, VideoEncoder& video, bool rendered)
{
    if (!rendered) {
        video.Abort();
        std::fprintf(stderr, "video not written: the rendering did not finish\n");
        return false;
    }
    std::string error;
    if (!video.Finish(error)) {
        session.interaction.ShowMessage("Cannot make the video '" + video.target() + "': " + error, MessageIcon::Stop);
        return false;
    }
    std::fprintf(session.out, "video: %s\n", video.target().c_str());
    return true;
}

const char* ModeName(RenderMode mode)
{
    switch (mode) {
    case RenderMode::Preview: return "preview";
    case RenderMode::Raw: return "raw";
    case RenderMode::Final: return "final";
    }
    return "?";
}

std::string JoinFiles(const std::vector<std::string>& files)
{
    std::string text;
    for (const std::string& file : files) text += (text.empty() ? "" : ", ") + file;
    return text;
}

void PrintSummary(CliSession& session, const SceneParameters& scene, int firstDrawn, RenderMode mode,
                  const JobReport& report, long lines)
{
    std::FILE* out = session.out;
    if (mode == RenderMode::Preview) {
        std::fprintf(out, "preview: %d of %d frames drawn, %ld wire lines (no files written)\n", report.framesFinished,
                     report.framesPlanned, lines);
    } else {
        std::fprintf(out, "%s: %d of %d frames written", ModeName(mode), report.framesFinished, report.framesPlanned);
        // After a stop the finished frames need not be the first ones.
        if (report.framesPlanned > 0 && report.framesFinished == report.framesPlanned) {
            const auto files = [&](int ordinal) {
                const long long number = static_cast<long long>(firstDrawn) + ordinal + scene.Offset;
                return JoinFiles(FrameOutputFiles(FormatFrameName(scene.OutputFileName, number), scene.OutputFileFormat));
            };
            std::fprintf(out, ": %s", files(0).c_str());
            if (report.framesPlanned > 1) std::fprintf(out, " ... %s", files(report.framesPlanned - 1).c_str());
        }
        std::fprintf(out, "\n");
        if (report.framesFailed > 0) std::fprintf(out, "%d frames could not be saved\n", report.framesFailed);
    }
    if (scene.UseRecorder != 0 && report.framesPlanned > 0) std::fprintf(out, "flight recorder: %s\n", RecorderLog::kFileName);
}

// The range is checked as From and To would be, with the scene form's messages.
bool AcceptsFrameRange(UserInteraction& ui, SceneParameters scene, const FrameRange& range)
{
    scene.From = range.first;
    scene.To = range.last;
    const std::optional<SceneProblem> problem = ValidateScene(scene);
    if (problem) ui.ShowMessage(problem->message, MessageIcon::Stop);
    return !problem;
}

int ExitStatusOf(const JobReport& report)
{
    return report.outcome == JobOutcome::Completed && report.framesPlanned > 0 ? kSuccess : kFailure;
}

}  // namespace

RenderMode ParseModeWord(const std::string& word)
{
    if (strcasecmp(word.c_str(), "final") == 0) return RenderMode::Final;
    if (strcasecmp(word.c_str(), "raw") == 0) return RenderMode::Raw;
    if (strcasecmp(word.c_str(), "preview") == 0) return RenderMode::Preview;
    throw UsageError("--mode takes final, raw or preview, not '" + word + "'");
}

// "A-B", or "A" for a single frame.
void ParseFramesWord(const std::string& word, RenderRequest& request)
{
    const size_t dash = word.find('-', 1);
    const std::optional<int> from = ParseIntWord(word.substr(0, dash));
    const std::optional<int> to = dash == std::string::npos ? from : ParseIntWord(word.substr(dash + 1));
    if (!from || !to) throw UsageError("--frames takes a range A-B of frame numbers, not '" + word + "'");
    request.from = from;
    request.to = to;
}

// A closed loop has no position for its last frame number.
void ReportNoFrame(const SceneParameters& scene)
{
    std::fprintf(stderr, "no frame to render: a curved flight of %d frames has positions 0 to %d only\n", scene.Total,
                 scene.Total - 2);
}

int DefaultJobs()
{
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

bool LoadRequestedScene(UserInteraction& ui, const RenderRequest& request, SceneParameters& scene,
                        std::optional<FrameRange>& onlyFrames)
{
    if (!CanOpenForReading(request.scenePath)) {
        ui.ShowMessage(FormatText(msg::kCannotOpenFile.text, request.scenePath.c_str()), MessageIcon::Stop);
        return false;
    }
    if (!LoadScene(request.scenePath, scene)) {
        ui.ShowMessage(FormatText(msg::kNotASceneFile.text, request.scenePath.c_str()), MessageIcon::Stop);
        return false;
    }
    onlyFrames.reset();
    if (!request.from && !request.to) return true;
    const FrameRange range{request.from.value_or(scene.From), request.to.value_or(scene.To)};
    if (!AcceptsFrameRange(ui, scene, range)) return false;
    // Planned from the scene's own first frame when it comes earlier, so the
    // share equals those frames of the whole run.
    if (scene.From < 0 || scene.From > range.first) scene.From = range.first;
    scene.To = range.last;
    onlyFrames = range;
    return true;
}

int RenderSceneFile(CliSession& session, const RenderRequest& request)
{
    UserInteraction& ui = session.interaction;
    SceneParameters scene;
    RenderJobOptions options{request.jobs, std::string(), std::nullopt};
    if (!LoadRequestedScene(ui, request, scene, options.onlyFrames)) return kFailure;
    const int firstDrawn = options.onlyFrames ? options.onlyFrames->first : scene.From;

    std::unique_ptr<VideoEncoder> video;
    if (request.videoPath && !(video = StartVideo(ui, request, scene))) return kFailure;

    FileSceneForm form(scene, request.scenePath);
    RenderProgressDisplay display(session.interaction.progress(), stderr, firstDrawn);
    CountingHost host(display, video.get());
    const CalculateResult result = Calculate(session.context, form, request.mode, host, options);
    display.Finish();
    if (result.problem) ui.ShowMessage(result.problem->message, MessageIcon::Stop);
    if (result.stage != CalculateResult::Stage::Rendered) return kFailure;  // the video goes with it

    const JobReport& report = result.report;
    PrintSummary(session, scene, firstDrawn, request.mode, report, host.lines);
    if (report.outcome == JobOutcome::Stopped) std::fprintf(stderr, "rendering stopped\n");
    if (report.outcome == JobOutcome::Completed && report.framesPlanned == 0) ReportNoFrame(scene);
    const int status = ExitStatusOf(report);
    if (video && !FinishVideo(session, *video, status == kSuccess)) return kFailure;
    return status;
}

}  // namespace vistagon::cli
