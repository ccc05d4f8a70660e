#include "Commands.h"
#include "DemoScenes.h"
#include "DemoTerrain.h"
#include "SceneRendering.h"
#include "VideoEncoder.h"

#include <filesystem>

namespace vistagon::cli {

namespace {

constexpr uint32_t kDemoSeed = 20240611;

// Works inside a folder and returns to where it was.
class FolderVisit {
public:
    explicit FolderVisit(const std::filesystem::path& folder) : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~FolderVisit()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    FolderVisit(const FolderVisit&) = delete;
    FolderVisit& operator=(const FolderVisit&) = delete;

private:
    std::filesystem::path previous_;
};

bool WriteDemoFiles(CliSession& session)
{
    std::fprintf(session.out, "making a %dx%d fractal terrain, its texture and a mask\n", 513, 513);
    const DemoTerrain terrain(9, kDemoSeed);
    const SceneParameters flight = DemoFlight();
    return terrain.WriteElevation(session.context, kDemoTerrain) &&
           terrain.WriteTexture(session.context, kDemoTexture, kDemoZScale) &&
           WriteDemoMask(session.context, kDemoMask, flight.SizeX, flight.SizeY);
}

int RenderDemoScene(CliSession& session, const char* scene, int jobs, const char* video = nullptr)
{
    std::fprintf(session.out, "rendering %s\n", scene);
    std::fflush(session.out);
    RenderRequest request;
    request.scenePath = scene;
    request.jobs = jobs;
    if (video != nullptr) request.videoPath = video;
    return RenderSceneFile(session, request);
}

}  // namespace

int RunDemo(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {"--jobs"}, {});
    args.ExpectPositional(0, 1);
    const int jobs = args.Int("--jobs").value_or(DefaultJobs());
    if (jobs < 1) throw UsageError("--jobs takes a number of at least 1");
    const std::filesystem::path folder = args.positional().empty() ? "vistagon-demo" : args.positional()[0];
    std::filesystem::create_directories(folder);
    const std::string where = std::filesystem::canonical(folder).string();

    const FolderVisit visit(folder);
    if (!WriteDemoFiles(session) || !SaveDemoScenes(session.context)) return kFailure;
    if (RenderDemoScene(session, kDemoStillScene, jobs) != kSuccess) return kFailure;
    // The fly-through also becomes a video where ffmpeg is there to make it.
    const bool video = VideoEncoder::FindFfmpeg().has_value();
    if (RenderDemoScene(session, kDemoFlightScene, jobs, video ? kDemoVideo : nullptr) != kSuccess) return kFailure;

    std::fprintf(session.out,
                 "\nthe demo is in %s:\n"
                 "  still000.tga                 a Final still (still.vgs)\n"
                 "  fly000.tga ... fly059.tga    a curved fly-through (flythrough.vgs)\n"
                 "  VGRECORD.XLS                 the fly-through's flight recorder\n"
                 "%s"
                 "render again from there with: vistagon-cli render flythrough.vgs [--mode preview|raw|final]\n",
                 where.c_str(),
                 video ? "  flythrough.mp4               the fly-through as a video\n"
                       : "  (no flythrough.mp4: ffmpeg is not on PATH)\n");
    return kSuccess;
}

}  // namespace vistagon::cli
