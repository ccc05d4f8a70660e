#pragma once

#include "image/OutputKind.h"
#include "render/Vec4.h"

#include <cstdint>

namespace vistagon {

class CTGAFile;
class ElevationGrid;

enum class RenderMode { Preview = 0, Raw = 1, Final = 2 };

// The camera of one frame, as the flight drivers compute it.
struct FrameCamera {
    Vec4 position{0, 0, 0, 1};  // eye point in terrain units
    double heading = 0;         // degrees; 0 looks along +y, 90 along +x
    double pitch = 0;           // degrees; positive looks up
    double focalLength = 1;     // pixels
    double roll = 0;            // degrees
    double zScale = 1;          // multiplier of stored elevations
    double dustDistance = 1;    // haze distance unit
};

// What stays fixed for a whole job.
struct RenderSettings {
    RenderMode mode = RenderMode::Final;
    int outputWidth = 0;
    int outputHeight = 0;
    double divisionsX = 1;  // cells across the terrain; reduced for Preview
    double divisionsY = 1;
    Vec4 light{0, 0, -1, 0};  // normalised incident light
    ElevationGrid* elevation = nullptr;
    CTGAFile* texture = nullptr;
    CTGAFile* mask = nullptr;
    bool highQuality = false;
    bool useBackground = false;
    // The sky colour as "Hintergrund" holds it, 0x00BBGGRR: bits 16-23 become the
    // first (blue) byte of each pixel, bits 8-15 the second, bits 0-7 the third.
    uint32_t backgroundColour = 0;
    int quarter = 0;                // partial image 0..4
    OutputKind outputKind = OutputKind::TgaOnly;
};

}  // namespace vistagon
