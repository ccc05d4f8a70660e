#pragma once

#include "image/CTGAFile.h"
#include "image/ElevationGrid.h"
#include "render/RenderTypes.h"
#include "support/ScriptedInteraction.h"

#include <functional>
#include <memory>

namespace vistagon::test {

// An elevation grid in memory whose node (column, row) holds height(column, row).
std::unique_ptr<ElevationGrid> MakeElevation(AppContext& context, int width, int height,
                                             const std::function<int(int, int)>& height_at, double scale = 1.0);
// An image of the given size whose pixel (x, y) is colour(x, y).
std::unique_ptr<CTGAFile> MakeImage(AppContext& context, int width, int height,
                                    const std::function<Bgr(int, int)>& colour);

// A camera almost straight down (straight down is refused by the flight drivers).
FrameCamera LookingDown(double x, double y, double height, double focalLength);

// Final settings over a grid: light from straight above, no texture, no mask.
RenderSettings SettingsFor(ElevationGrid& grid, int width, int height, double divisions);

}  // namespace vistagon::test
