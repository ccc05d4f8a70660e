#include "Commands.h"
#include "SceneRendering.h"
#include "flight/RecorderLog.h"
#include "flight/ScenePlan.h"
#include "platform/DecimalSeparator.h"

namespace vistagon::cli {

namespace {

void Print(std::FILE* out, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), out);
}

// The text render's recorder log would hold for these frames.
void PrintRecorderRows(std::FILE* out, const FlightPlan& plan)
{
    const char separator = UserDecimalSeparator();
    Print(out, RecorderLog::kHeader);
    for (const PlannedFrame& frame : plan) Print(out, RecorderLog::FormatRow(frame.record, separator));
}

}  // namespace

int RunPlan(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {"--mode", "--frames"}, {});
    args.ExpectPositional(1, 1);
    RenderRequest request;
    request.scenePath = args.positional()[0];
    if (auto mode = args.Value("--mode")) request.mode = ParseModeWord(*mode);
    if (auto frames = args.Value("--frames")) ParseFramesWord(*frames, request);

    UserInteraction& ui = session.interaction;
    SceneParameters scene;
    std::optional<FrameRange> onlyFrames;
    if (!LoadRequestedScene(ui, request, scene, onlyFrames)) return kFailure;
    const ScenePlan planned = PlanScene(session.context, scene, request.scenePath, request.mode, onlyFrames);
    if (planned.problem) ui.ShowMessage(planned.problem->message, MessageIcon::Stop);
    if (planned.stage != JobCopyStage::Written || planned.report.outcome != JobOutcome::Completed) return kFailure;

    PrintRecorderRows(session.out, planned.report.plan);
    std::fflush(session.out);
    if (!planned.report.plan.empty()) return kSuccess;
    ReportNoFrame(scene);
    return kFailure;
}

}  // namespace vistagon::cli
