#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vistagon {

// The fields of the DEM dialog, with its initial values.
struct UsgsDemOptions {
    std::vector<std::string> sourcePaths;  // in the order the file dialog gives them
    std::string targetPath;
    int voidValue = -9999;
    // Refuses larger rasters up front, for callers with little memory; 0 leaves
    // only what an elevation file can hold.
    uint64_t pixelLimit = 0;
    // False keeps the suspicious-value question off from the first file on.
    bool checkJumps = true;
};

}  // namespace vistagon
