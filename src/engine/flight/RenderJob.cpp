#include "flight/RenderJob.h"

#include "flight/FlightPlanning.h"
#include "flight/FrameScheduler.h"
#include "image/ElevationGrid.h"
#include "platform/TempFiles.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"
#include "platform/messages/FlightMessages.h"

#include <memory>

namespace vistagon {

namespace {

class DiscardingCanvas : public LineCanvas {
public:
    void Repaint() override {}
    void DrawLine(int, int, int, int, uint32_t) override {}
};

// The images a job draws with; each opener shows what went wrong.
struct JobImages {
    std::unique_ptr<CTGAFile> mask;
    std::unique_ptr<CTGAFile> texture;
    std::unique_ptr<ElevationGrid> terrain;
};

bool OpenMask(AppContext& context, const SceneParameters& s, RenderMode mode, JobImages& images)
{
    if (s.UseMaskFile == 0) return true;
    images.mask = std::make_unique<CTGAFile>(context, JobLoadsPixels(mode), 1.0, 1.0);
    if (!images.mask->OnOpenDocument(s.MaskFileName)) {
        context.ui.ShowMessage(FormatText(msg::kCannotOpenFile.text, s.MaskFileName.c_str()), MessageIcon::Stop);
        return false;
    }
    if (images.mask->GetWidth() != s.SizeX || images.mask->GetHeight() != s.SizeY) {
        context.ui.ShowMessage(msg::kMaskSizeMismatch.text, MessageIcon::Stop);
        return false;
    }
    return true;
}

// The image layer has already told the user why a texture cannot be opened.
bool OpenTexture(AppContext& context, const SceneParameters& s, RenderMode mode, JobImages& images)
{
    if (s.UseTextureFile == 0 || s.TextureFileName.empty()) return true;
    images.texture = std::make_unique<CTGAFile>(context, JobLoadsPixels(mode), s.ElevScaleX, s.ElevScaleY);
    return images.texture->OnOpenDocument(s.TextureFileName);
}

RenderSettings JobSettings(const SceneParameters& s, RenderMode mode, const JobImages& images)
{
    RenderSettings settings;
    settings.mode = mode;
    settings.outputWidth = s.SizeX;
    settings.outputHeight = s.SizeY;
    settings.divisionsX = s.GridX;
    settings.divisionsY = s.GridY;
    if (mode == RenderMode::Preview) {
        settings.divisionsX = PreviewDivisions(settings.divisionsX);
        settings.divisionsY = PreviewDivisions(settings.divisionsY);
    }
    settings.light = Vec4::Direction(s.LightX, s.LightY, s.LightZ);
    settings.light.Normalize();
    settings.elevation = images.terrain.get();
    settings.texture = images.texture.get();
    settings.mask = images.mask.get();
    settings.highQuality = s.HQ != 0;
    settings.useBackground = s.UseBackgroundColor != 0;
    settings.backgroundColour = s.BackgroundColor;
    settings.outputKind = s.OutputFileFormat;
    return settings;
}

JobOutcome OutcomeOf(const FrameTally& tally)
{
    if (tally.stopped) return JobOutcome::Stopped;
    return tally.failed > 0 ? JobOutcome::FramesFailed : JobOutcome::Completed;
}

}  // namespace

JobReport RunJob(AppContext& context, RenderHost& host, const std::string& scriptPath, RenderMode mode,
                 const RenderJobOptions& options)
{
    const FileRemover temporaryScript(scriptPath);
    JobReport report;
    report.outcome = JobOutcome::Refused;
    JobScript script;
    if (!ReadFlyableScript(context, scriptPath, script)) return report;
    const SceneParameters& s = script.values;

    JobImages images;
    report.outcome = JobOutcome::Abandoned;
    if (!OpenMask(context, s, mode, images) || !OpenTexture(context, s, mode, images)) return report;
    report.outcome = JobOutcome::NoTerrain;
    images.terrain = OpenJobTerrain(context, s, mode);
    if (!images.terrain) return report;

    const RenderSettings settings = JobSettings(s, mode, images);
    report.divisionsX = settings.divisionsX;
    report.divisionsY = settings.divisionsY;
    const FlightPlan plan = PlanFlight(script, *images.terrain, options.onlyFrames);
    report.framesPlanned = static_cast<int>(plan.size());

    CTGAFile* image = host.OutputImage(s.SizeX, s.SizeY);
    if (image != nullptr) image->FillGray(255);
    DiscardingCanvas discard;
    LineCanvas* canvas = host.PreviewCanvas();
    const std::string outputTemplate = options.picturesOnly ? std::string() : s.OutputFileName;
    const FrameSetup setup{settings, outputTemplate, s.Offset, canvas != nullptr ? canvas : &discard};
    RecorderLog log;
    FrameScheduler scheduler(context, host, setup, &log);
    const int workers = mode == RenderMode::Preview ? 1 : options.workers;
    report.outcome = JobOutcome::Refused;
    if (!scheduler.Prepare(workers, plan.size(), image)) return report;

    if (s.UseRecorder != 0 && !options.picturesOnly) log.Open(context.ui, options.recorderFolder);
    const FrameTally tally = scheduler.Run(plan);
    log.Close();
    report.framesFinished = tally.finished;
    report.framesFailed = tally.failed;
    report.outcome = OutcomeOf(tally);
    return report;
}

}  // namespace vistagon
