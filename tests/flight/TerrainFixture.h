#pragma once

#include "image/ElevationGrid.h"
#include "platform/AppContext.h"

#include <functional>
#include <memory>
#include <string>

namespace vistagon::test {

// An elevation grid in memory whose node (column, row) holds height(column, row).
std::unique_ptr<ElevationGrid> MakeTerrain(AppContext& context, int width, int height,
                                           const std::function<int(int, int)>& heightAt, double scale = 1.0);

// The same terrain written as an elevation file.
void WriteTerrainFile(AppContext& context, const std::string& path, int width, int height,
                      const std::function<int(int, int)>& heightAt);

}  // namespace vistagon::test
