#pragma once

#include "platform/AppContext.h"
#include "render/HeightPyramid.h"
#include "render/RenderTypes.h"
#include "render/TriangleRaster.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace vistagon {

class CTGAFile;
class FrameCrew;
class Projector;

enum class FrameOutcome {
    Saved,       // drawn, masked and written
    Cancelled,   // the user stopped it; nothing written
    SaveFailed,  // drawn, but the image layer could not write it (it has told the user)
};

// What one frame cost, for the benchmark and the tests.
struct FrameStatistics {
    long cellsVisited = 0;    // cells the passes stepped over, thinned ones included
    long cellsShaded = 0;     // cells nearer than the haze cut-off
    long trianglesDrawn = 0;  // triangles that survived culling and projection
    long cellsSkipped = 0;    // cells left out whole, their block hidden behind nearer ones
};

// The surface renderer of Raw and Final frames. One per job and thread; the
// elevation grid of the settings may be shared read-only between threads, the
// projector, its texture and the output image may not.
class FrameRenderer {
public:
    // settings.elevation must be set; the texture shaded is the projector's (SetTexture).
    FrameRenderer(AppContext& context, Projector& projector, const RenderSettings& settings);

    // Draws the frame of the projector's current camera into output (created at
    // the output size), shows "%d%%" at every row, pumps once per cell and stops
    // at the next row once cancelled. Then, unless cancelled, applies the mask,
    // sets the output kind and saves under fileName (an empty name saves
    // nothing). redraw (may be empty) is
    // called once the image is complete, before it is saved.
    FrameOutcome RenderFrame(CTGAFile& output, const std::string& fileName, double dustDistance,
                             const std::function<void()>& redraw = {});

    // The same in steps, for a frame that several renderers draw at once, each
    // with its own projector on the same camera: the lead (member 0 of the
    // crew) clears, every member draws with the crew, then the lead finishes.
    // The lead's Draw returns once every member is done with the picture.
    void Clear(CTGAFile& output) const;
    void Draw(CTGAFile& output, double dustDistance, FrameCrew* crew = nullptr, int member = 0);
    FrameOutcome Finish(CTGAFile& output, const std::string& fileName, const std::function<void()>& redraw);

    const FrameStatistics& statistics() const { return statistics_; }
    // Whether blocks of cells hidden behind nearer terrain are left out unwalked
    // (on by default; the frame's bytes are the same either way).
    void SetSkipHiddenBlocks(bool skip) { skipHidden_ = skip; }

private:
    // A cell's width and depth in terrain units.
    std::pair<double, double> CellSize() const;
    // The observer splits the passes and measures the haze, a little off the eye.
    Vec4 Observer() const;
    // The crew's when drawing with one; none when not skipping.
    HeightPyramid* Heights(double dx, double dy, FrameCrew* crew);
    // One walk of the frame for the strip's rows; its progress. holdsPicture:
    // a member other than the lead, which writes pixels only while holding the picture.
    double DrawStrip(CTGAFile& output, double dustDistance, const PictureStrip& strip, FrameCrew* crew,
                     bool holdsPicture);

    AppContext& context_;
    Projector& projector_;
    RenderSettings settings_;
    FrameStatistics statistics_;
    double progress_ = 0.0;
    bool skipHidden_ = true;
    // Kept from frame to frame (the grid and the cell size stay for a job) when drawing alone.
    std::optional<HeightPyramid> heights_;
};

}  // namespace vistagon
