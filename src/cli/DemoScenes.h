#pragma once

#include "platform/AppContext.h"
#include "scene/SceneParameters.h"

namespace vistagon::cli {

// The demo's files, relative to its folder.
inline constexpr const char* kDemoTerrain = "terrain.tga";
inline constexpr const char* kDemoTexture = "texture.tga";
inline constexpr const char* kDemoVideo = "flythrough.mp4";
inline constexpr const char* kDemoMask = "mask.tga";
inline constexpr const char* kDemoStillScene = "still.vgs";
inline constexpr const char* kDemoFlightScene = "flythrough.vgs";
inline constexpr double kDemoZScale = 0.01;

// A Final still across the textured terrain at 640 x 480.
SceneParameters DemoStill();
// A curved fly-through of 60 frames at 320 x 240 with the mask and the flight recorder.
SceneParameters DemoFlight();

// Saves both scenes into the current folder, where their files must already be.
bool SaveDemoScenes(AppContext& context);

}  // namespace vistagon::cli
