#include "flight/CurvedFlight.h"

#include "flight/Ease.h"
#include "flight/StraightFlight.h"
#include "image/ElevationGrid.h"
#include "platform/TextFormat.h"
#include "platform/messages/FlightMessages.h"

#include <algorithm>
#include <cmath>

namespace vistagon {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kGroundClearance = 5.0;

double Degrees(double radians)
{
    return radians * 180.0 / kPi;
}

// The flight-security state carried from step to step.
class FlightSecurity {
public:
    FlightSecurity(const SceneParameters& s, const ElevationGrid& terrain, int total)
        : terrain_(terrain), averageHeight_(s.AverageHeight), basePitch_(UsablePitch(s.PitchA)),
          lookAhead_(s.PreviewRange), window_(std::max(total / 25.0, 1.5))
    {
    }

    double Ground(const CurvePoint& p, double zScale) const { return zScale * terrain_.HeightAt(p.x, p.y); }

    // Smooths the altitude toward the ground ahead plus the average height and
    // the pitch toward the climb angle plus the base pitch.
    void Update(double zScale)
    {
        const double previousAltitude = altitude;
        const CurvePoint ahead{position.x + lookAhead_ * move.x, position.y + lookAhead_ * move.y};
        altitude = ((window_ - 1.0) * altitude + Ground(ahead, zScale) + averageHeight_) / window_;
        const double travelled = std::sqrt((position.x - last.x) * (position.x - last.x) + (position.y - last.y) * (position.y - last.y));
        pitch = (Degrees(std::atan2(altitude - previousAltitude, travelled)) + (window_ - 1.0) * pitch + basePitch_) / window_;
    }

    CurvePoint position;  // P
    CurvePoint move;      // m, the last displacement
    CurvePoint last;      // L, the previous position
    double curvature = 0.0;
    double altitude = 0.0;
    double pitch = 0.0;

private:
    const ElevationGrid& terrain_;
    double averageHeight_;
    double basePitch_;
    double lookAhead_;
    double window_;
};

// Moves to the next position; false when the flight is complete. A loop has at
// most Total - 1 positions even if the curve's arc sum falls short of its end,
// an open flight at most Total.
bool NextPosition(PathCurve& curve, FlightSecurity& f, int positionsSoFar, int total)
{
    const int positions = curve.ends() == CurveEnds::Closed ? total - 1 : total;
    if (positionsSoFar >= positions) return false;
    return !curve.Step(f.position, f.move, f.curvature);
}

// Warm-up of the loop: once around without rendering, so that altitude and
// pitch start in the state the loop returns to. The first step of the flight
// then comes from the end of the loop.
void WarmUpClosed(const std::vector<CurvePoint>& points, const SceneParameters& s, FlightSecurity& f)
{
    PathCurve curve(points, s.Total);
    curve.Step(f.position, f.move, f.curvature);
    for (int j = 0;; ++j) {
        f.Update(s.ElevScaleZA);
        f.last = f.position;
        if (!NextPosition(curve, f, j + 1, s.Total)) break;
    }
}

// An open flight comes from nowhere: the camera is put on the first point,
// heading along the path's first step, and the warm-up holds it there for as
// many updates as the loop's warm-up takes, travelling that step each time, so
// that altitude and pitch start settled over the start of the path instead of
// from zero.
void WarmUpOpen(const PathCurve& start, const SceneParameters& s, FlightSecurity& f)
{
    PathCurve probe = start;
    CurvePoint first, move;
    double curvature = 0.0;
    probe.Step(first, move, curvature);
    CurvePoint second = first;
    probe.Step(second, move, curvature);
    f.position = first;
    f.move = CurvePoint{second.x - first.x, second.y - first.y};
    f.curvature = 0.0;
    for (int j = 0; j + 1 < s.Total; ++j) {
        f.last = CurvePoint{first.x - f.move.x, first.y - f.move.y};
        f.Update(s.ElevScaleZA);
    }
}

}  // namespace

std::optional<std::string> CheckCurvedPath(const std::vector<CurvePoint>& storedPoints)
{
    if (storedPoints.size() < static_cast<size_t>(PathCurve::kMinimumPoints))
        return FormatText(msg::kTooFewPathPoints.text, static_cast<int>(storedPoints.size()));
    const CurvePoint& first = storedPoints.front();
    const bool allAtFirst = std::all_of(storedPoints.begin(), storedPoints.end(),
                                        [&](const CurvePoint& p) { return p.x == first.x && p.y == first.y; });
    if (allAtFirst) return std::string(msg::kPathWithoutLength.text);
    return std::nullopt;
}

std::vector<CurvePoint> WorldPathPoints(const std::vector<CurvePoint>& storedPoints, double gridHeight)
{
    std::vector<CurvePoint> world;
    for (const CurvePoint& p : storedPoints) world.push_back(CurvePoint{p.x, gridHeight - p.y});
    return world;
}

FlightPlan FlyCurved(const JobScript& script, const ElevationGrid& terrain)
{
    const SceneParameters& s = script.values;
    const std::vector<CurvePoint> points = WorldPathPoints(script.pathPoints, terrain.GetGridHeight());
    FlightSecurity f(s, terrain, s.Total);

    const CurveEnds ends = script.open() ? CurveEnds::Open : CurveEnds::Closed;
    PathCurve curve(points, s.Total, ends);
    if (ends == CurveEnds::Closed) {
        WarmUpClosed(points, s, f);
        f.last = f.position;
        curve.Step(f.position, f.move, f.curvature);
    } else {
        WarmUpOpen(curve, s, f);
        // The first step only confirms the first point; the heading is the warm-up's.
        const CurvePoint move = f.move;
        curve.Step(f.position, f.move, f.curvature);
        f.move = move;
        f.last = CurvePoint{f.position.x - move.x, f.position.y - move.y};
    }
    FlightPlan plan;
    for (int j = 0; j <= s.To; ++j) {
        const double t = FrameParameter(j, s.Total);
        const double zScale = Ease(t, s.ElevScaleZA, s.ElevScaleZZ, s.Smoothness);
        f.Update(zScale);
        if (j >= s.From) {
            PlannedFrame frame;
            frame.index = j;
            const double ground = f.Ground(f.position, zScale);
            // The raised altitude stays in the smoothing state.
            if (f.altitude - ground < kGroundClearance) f.altitude = ground + kGroundClearance;
            FrameCamera& c = frame.camera;
            c.position = Vec4::Point(f.position.x, f.position.y, f.altitude);
            c.heading = Degrees(kPi / 2.0 - std::atan2(f.move.y, f.move.x));
            c.pitch = f.pitch;
            c.focalLength = s.FocalLengthA;
            c.roll = -Degrees(std::atan(f.curvature * s.RollFactor));
            c.zScale = zScale;
            c.dustDistance = Ease(t, s.DustA, s.DustZ, s.Smoothness);
            frame.record = RecorderRow{f.position.x, f.position.y, f.altitude, f.altitude - ground, c.pitch, c.roll, f.curvature};
            plan.push_back(frame);
        }
        f.last = f.position;
        if (!NextPosition(curve, f, j + 1, s.Total)) break;
    }
    return plan;
}

}  // namespace vistagon
