#include "GdalSummaryText.h"

#include "platform/TextFormat.h"

#include <cmath>

namespace vistagon {

std::string GdalSummaryText(const GdalImportSummary& s, const GdalImportOptions& options)
{
    std::string text = FormatText("%-18s %d x %d pixels\n", "size", s.width, s.height);
    if (s.georeferenced)
        text += FormatText("%-18s %.10g x %.10g %s\n", "pixel size", s.pixelSizeX, s.pixelSizeY,
                       s.unitName.empty() ? "ground units" : s.unitName.c_str());
    else
        text += FormatText("%-18s none (the raster has no georeference)\n", "pixel size");
    text += FormatText("%-18s %s\n", "coordinate system", s.systemName.empty() ? "none" : s.systemName.c_str());
    if (!options.texture) {
        if (s.hasHeights) text += FormatText("%-18s %f to %f\n", "height range", s.minimum, s.maximum);
        else text += FormatText("%-18s none (every sample is void)\n", "height range");
    }
    if (!s.metresX || !s.metresY) return text + FormatText("%-18s unknown (no coordinate system)\n", "grid scale");
    text += FormatText("%-18s x %.6f, y %.6f metres per pixel\n", "grid scale", *s.metresX, *s.metresY);
    if (options.texture || options.zScale == 0.0) return text;
    // A texture is addressed one texel per terrain unit: with one unit per pixel a texture
    // of the same size drapes pixel for pixel, and the z scale turns heights into pixel widths.
    const double z = 1.0 / (options.zScale * *s.metresX);
    text += FormatText("%-18s ElevScaleX=1 ElevScaleY=1 ElevScaleZA=%.6g ElevScaleZZ=%.6g\n", "scene fields", z, z);
    const double aspect = *s.metresY / *s.metresX;
    if (std::fabs(aspect - 1.0) > 0.01)
        text += FormatText("%-18s not square; --size %dx%d makes them square for both imports\n", "pixels", s.width,
                       static_cast<int>(std::lround(s.height * aspect)));
    return text;
}

}  // namespace vistagon
