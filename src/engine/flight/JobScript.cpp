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

}  // namespace vistagon
