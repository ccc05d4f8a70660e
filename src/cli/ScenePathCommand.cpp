#include "Commands.h"
#include "SceneFile.h"
#include "TerrainExtentFile.h"

#include "flight/CurvedFlight.h"
#include "flight/FlightSecurityDefaults.h"
#include "import/gdal/TrackImport.h"
#include "import/gdal/TrackMessages.h"

#include <cstdio>

// Linked only into vistagon-cli-gdal, which vistagon-cli hands "scene path" to.

namespace vistagon::cli {

namespace {

constexpr int kMostPoints = SceneParameters::kMaxPathPoints;

TrackImportRequest ParseRequest(const ArgumentList& args, const SceneParameters& scene, const Profile& profile)
{
    TrackImportRequest request;
    const auto track = args.Value("--track");
    if (!track) throw UsageError("scene path needs --track FILE");
    request.trackPath = *track;
    request.layer = args.Value("--layer").value_or("");
    request.picturePath = scene.PathPictureName();
    request.border = profile.GetInt("FlightPath", "BorderWidth", 0);
    request.maxPoints = args.Int("--points").value_or(kMostPoints);
    if (request.maxPoints < PathCurve::kMinimumPoints || request.maxPoints > kMostPoints)
        throw UsageError("--points takes a number of points from 3 to 100");
    if (args.Has("--open") && args.Has("--closed")) throw UsageError("give --open or --closed, not both");
    if (args.Has("--open")) request.ends = CurveEnds::Open;
    if (args.Has("--closed")) request.ends = CurveEnds::Closed;
    return request;
}

void SetPath(SceneParameters& scene, const TrackImport& track)
{
    scene.PathType = track.ends == CurveEnds::Open ? SceneParameters::kOpenCurve : SceneParameters::kClosedCurve;
    scene.PathPoints = {};
    scene.LastPathPoint = static_cast<int>(track.path.points.size()) - 1;
    for (size_t i = 0; i < track.path.points.size(); ++i) scene.PathPoints[i] = track.path.points[i];
}

// Flight security for the track where the scene has none yet, printed as set.
void FillUnsetFlightSecurity(CliSession& session, SceneParameters& scene, const TrackImport& track)
{
    const auto terrain = ReadTerrainExtent(session.context, scene.ElevationFileName);
    if (!terrain) return;  // the save reports the elevation file
    std::vector<CurvePoint> stored;
    for (const PathPoint& p : track.path.points) stored.push_back(CurvePoint{static_cast<double>(p.x), static_cast<double>(p.y)});
    const double relief = (terrain->highest - terrain->lowest) * scene.ElevScaleZA;
    const auto world = WorldPathPoints(stored, terrain->height * scene.ElevScaleY);
    for (const std::string& line : FillFlightSecurity(scene, world, track.ends, relief))
        std::fprintf(session.out, "set %s\n", line.c_str());
}

}  // namespace

// scene path SCENE.vgs --track FILE: the track becomes the scene's curved flight.
int RunScenePath(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {"--track", "--layer", "--points"}, {"--open", "--closed"});
    args.ExpectPositional(1, 1);
    const std::string path = args.positional()[0];
    SceneParameters scene;
    if (!LoadSceneFile(session, path, scene)) return kFailure;
    const TrackImportRequest request = ParseRequest(args, scene, session.context.profile);
    const TrackImport track = ImportTrack(request);
    if (track.error) {
        session.interaction.ShowMessage(*track.error, MessageIcon::Stop);
        return kFailure;
    }
    if (track.path.points.size() < static_cast<size_t>(PathCurve::kMinimumPoints)) {
        session.interaction.ShowMessage(msg::kTrackTooShort.text, MessageIcon::Stop);
        return kFailure;
    }
    std::fputs(TrackSummaryText(track).c_str(), session.out);
    SetPath(scene, track);
    FillUnsetFlightSecurity(session, scene, track);
    return SaveSceneFile(session, scene, path);
}

}  // namespace vistagon::cli
