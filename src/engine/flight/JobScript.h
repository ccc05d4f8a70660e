#pragma once

#include "flight/PathCurve.h"
#include "scene/SceneParameters.h"

#include <cstdint>
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
};

// False when the file is not a scene script.
bool ReadJobScript(const std::string& path, JobScript& script);

// The scene's colour value 0x00BBGGRR as the renderer's background pixel
// value: bytes blue, green, red, 0 in memory order.
uint32_t BackgroundPixelValue(uint32_t colour);

}  // namespace vistagon
