#include "flight/JobScript.h"

#include "scene/SceneScript.h"
#include "scene/ScriptFile.h"

namespace vistagon {

bool ReadJobScript(const std::string& path, JobScript& script)
{
    script = JobScript{};
    if (!LoadScene(path, script.values)) return false;
    const ScriptFile file(path);
    for (int i = 0; i < SceneParameters::kMaxPathPoints; ++i) {
        CurvePoint point;
        if (!file.GetPathPoint(i, point.x, point.y)) break;
        script.pathPoints.push_back(point);
    }
    return true;
}

uint32_t BackgroundPixelValue(uint32_t colour)
{
    const uint32_t red = colour & 0xFF;
    const uint32_t green = (colour >> 8) & 0xFF;
    const uint32_t blue = (colour >> 16) & 0xFF;
    return blue | (green << 8) | (red << 16);
}

}  // namespace vistagon
