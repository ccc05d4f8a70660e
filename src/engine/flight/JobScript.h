#pragma once

#include "flight/PathCurve.h"
#include "scene/SceneParameters.h"

#include <string>
#include <vector>

namespace vistagon {

// Everything a render job reads back from its temporary copy of the scene.
struct JobScript {
    SceneParameters values;
    // The curved flight's points as stored (picture x, y counted down), read
    // with "%lf,%lf" up to the first absent point or an x of -1.
    std::vector<CurvePoint> pathPoints;

    bool curved() const { return values.PathType != 0; }
    bool open() const { return values.PathType == SceneParameters::kOpenCurve; }
};

// False when the file is not a scene script.
bool ReadJobScript(const std::string& path, JobScript& script);

}  // namespace vistagon
