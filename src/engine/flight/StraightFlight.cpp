#include "flight/StraightFlight.h"

#include "flight/Ease.h"
#include "image/ElevationGrid.h"

namespace vistagon {

double UsablePitch(double pitch)
{
    return pitch == -90.0 ? -90.0 + 0.01 : pitch;
}

FlightPlan FlyStraight(const JobScript& script, const ElevationGrid& terrain)
{
    const SceneParameters& s = script.values;
    const double k = s.Smoothness;
    FlightPlan plan;
    for (int i = s.From; i <= s.To; ++i) {
        const double t = FrameParameter(i, s.Total);
        PlannedFrame frame;
        frame.index = i;
        FrameCamera& c = frame.camera;
        c.position = Vec4::Point(Ease(t, s.XA, s.XZ, k), Ease(t, s.YA, s.YZ, k), Ease(t, s.ZA, s.ZZ, k));
        c.heading = Ease(t, s.HeadingA, s.HeadingZ, k);
        c.pitch = Ease(t, UsablePitch(s.PitchA), UsablePitch(s.PitchZ), k);
        c.focalLength = Ease(t, s.FocalLengthA, s.FocalLengthZ, k);
        c.roll = Ease(t, s.RollA, s.RollZ, k);
        c.zScale = Ease(t, s.ElevScaleZA, s.ElevScaleZZ, k);
        c.dustDistance = Ease(t, s.DustA, s.DustZ, k);

        const double ground = c.zScale * terrain.HeightAt(c.position.x, c.position.y);
        frame.record = RecorderRow{c.position.x, c.position.y, c.position.z, c.position.z - ground, c.pitch, c.roll, 0.0};
        plan.push_back(frame);
    }
    return plan;
}

}  // namespace vistagon
