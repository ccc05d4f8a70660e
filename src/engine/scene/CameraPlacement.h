#pragma once

#include "scene/SceneParameters.h"

namespace vistagon {

// The terrain a scene is made for: its size in pixels and its stored height range.
struct TerrainExtent {
    int width = 0;
    int height = 0;
    int lowest = 0;
    int highest = 0;
};

// Places the first camera outside the southern edge, looking north so that
// the whole terrain fills the first frame, and the last one over the far
// side, both above the highest point, with a haze that keeps the far edge
// visible and a light from above. Uses the scene's scales, output size and
// focal lengths.
void PlaceCameras(const TerrainExtent& terrain, SceneParameters& scene);

}  // namespace vistagon
