#pragma once

#include "platform/AppContext.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vistagon::cli {

// A fractal landscape for the demo: midpoint displacement (diamond-square) on a
// (2^n + 1)-square grid from a fixed seed, scaled to 0 .. kPeak with the low
// ground flooded to a flat sea.
class DemoTerrain {
public:
    static constexpr int kPeak = 8000;

    DemoTerrain(int exponent, uint32_t seed);

    int size() const { return size_; }
    int At(int x, int y) const { return heights_[static_cast<size_t>(y) * static_cast<size_t>(size_) + static_cast<size_t>(x)]; }
    int seaLevel() const { return seaLevel_; }

    // The elevation file.
    bool WriteElevation(AppContext& context, const std::string& path) const;
    // A colour texture of the same size: colour from height and slope
    // (sea, beach, meadow, forest, rock, snow), slope measured with zScale.
    bool WriteTexture(AppContext& context, const std::string& path, double zScale) const;

private:
    int Clamped(int x, int y) const;

    int size_;
    int seaLevel_ = 0;
    std::vector<int> heights_;
};

// A mask for frames of the given size with the keys of the mask rule in its
// first three bottom-row pixels (keep, brighten, darken): a darkened frame
// with a brightened inner edge, the picture kept inside.
bool WriteDemoMask(AppContext& context, const std::string& path, int width, int height);

}  // namespace vistagon::cli
