#pragma once

#include "tools/ImageToolJob.h"
#include "tools/LinearSystem4.h"
#include "tools/RectifyCorners.h"

#include <string>

namespace vistagon {

enum class RectifyFileType { Texture = 0, Elevation = 1 };

struct RectifyOptions {
    std::string source;
    std::string target;
    RectifyCorners corners;
    RectifyFileType type = RectifyFileType::Texture;
};

// Output-to-source mapping fitted through the four corner pairs:
// x' = a x + b y + c x y + d with x = (a, b, c, d), and likewise y' with (e, f, g, h).
struct BilinearMapping {
    Vector4 x{};
    Vector4 y{};
};

// Warps a texture or an elevation file so that the four source corners land on
// the four output corners. Textures are resampled with the Gaussian sampler,
// elevation files by bilinear interpolation of the heights.
class RectifyJob : public ImageToolJob {
public:
    RectifyJob(AppContext& context, RectifyOptions options) : ImageToolJob(context), options_(std::move(options)) {}

    // The fit of one axis (false: x', true: y') through the corner pairs.
    static LinearSolution FitAxis(const RectifyCorners& corners, bool yAxis);

protected:
    bool Convert() override;

private:
    // Fits both axes, asking whether to go on when a system is singular.
    bool FitMapping(BilinearMapping& mapping);
    void TextureRow(CTGAFile& source, const BilinearMapping& m, int r, uint8_t* out);
    void ElevationRow(const CTGAFile& source, const BilinearMapping& m, int r, uint8_t* out) const;

    RectifyOptions options_;
};

}  // namespace vistagon
