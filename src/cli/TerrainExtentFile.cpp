#include "TerrainExtentFile.h"

#include "image/ElevationGrid.h"
#include "platform/BinaryFile.h"

#include <algorithm>

namespace vistagon::cli {

std::optional<TerrainExtent> ReadTerrainExtent(AppContext& context, const std::string& path)
{
    if (!CanOpenForReading(path)) return std::nullopt;
    ElevationGrid grid(context, 1.0, 1.0, true);
    if (!grid.OnOpenDocument(path)) return std::nullopt;
    TerrainExtent extent{grid.GetWidth(), grid.GetHeight(), 0, 0};
    bool first = true;
    for (int y = 0; y < extent.height; ++y)
        for (int x = 0; x < extent.width; ++x) {
            const int v = grid.NodeValue(x, y);
            extent.lowest = first ? v : std::min(extent.lowest, v);
            extent.highest = first ? v : std::max(extent.highest, v);
            first = false;
        }
    return extent;
}

}  // namespace vistagon::cli
