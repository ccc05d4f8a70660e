#include "render/FrameRenderer.h"

#include "image/CTGAFile.h"
#include "image/ElevationGrid.h"
#include "platform/RowProgress.h"
#include "platform/Truncate.h"
#include "render/CellPainter.h"
#include "render/FrameCrew.h"
#include "render/HiddenBlocks.h"
#include "render/Projector.h"
#include "render/TraversalPasses.h"
#include "render/TriangleRaster.h"
#include "render/VisibleRegion.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vistagon {

namespace {

// The observer splits the passes and measures the haze, a little off the eye.
constexpr double kObserverNudge = 0.00008;

// The scene's colour value 0x00BBGGRR as the image's packed pixel (blue in bits 0-7).
uint32_t PackedPixel(uint32_t colour)
{
    return ((colour >> 16) & 0xFF) | (colour & 0xFF00) | ((colour & 0xFF) << 16);
}

uint8_t SkyGray(const Vec4& light)
{
    const double level = std::fabs(light.z) * 256.0;
    if (!(level > 0.0)) return 0;
    return level >= 255.0 ? 255 : static_cast<uint8_t>(level);
}

}  // namespace

FrameRenderer::FrameRenderer(AppContext& context, Projector& projector, const RenderSettings& settings)
    : context_(context), projector_(projector), settings_(settings)
{
}

FrameOutcome FrameRenderer::RenderFrame(CTGAFile& output, const std::string& fileName, double dustDistance,
                                        const std::function<void()>& redraw)
{
    Clear(output);
    Draw(output, dustDistance);
    return Finish(output, fileName, redraw);
}

void FrameRenderer::Clear(CTGAFile& output) const
{
    if (settings_.useBackground)
        output.FillPacked(PackedPixel(settings_.backgroundColour));
    else
        output.FillGray(SkyGray(projector_.light()));
}

void FrameRenderer::Draw(CTGAFile& output, double dustDistance, FrameCrew* crew, int member)
{
    statistics_ = FrameStatistics{};
    const ElevationGrid& elevation = *settings_.elevation;
    const int width = settings_.outputWidth;
    const int height = settings_.outputHeight;
    const RowBand band = crew != nullptr ? RowBand{member, crew->members()} : RowBand{};
    PixelCoverage ownCoverage;
    if (crew == nullptr) ownCoverage.Reset(output.GetWidth(), output.GetHeight());
    PixelCoverage& coverage = crew != nullptr ? crew->coverage() : ownCoverage;
    TriangleRaster raster(output, projector_, projector_.light(), width, height, settings_.highQuality, coverage,
                          band);

    const Vec4& eye = projector_.Position();
    const Vec4 observer = Vec4::Point(eye.x + kObserverNudge, eye.y + kObserverNudge, eye.z);
    const double gridWidth = elevation.GetGridWidth();
    const double gridHeight = elevation.GetGridHeight();
    const double dx = gridWidth / settings_.divisionsX;
    const double dy = gridHeight / settings_.divisionsY;
    CellPainter painter(projector_, raster, elevation, dx, dy, observer, dustDistance, statistics_);
    HeightPyramid* heights = Heights(dx, dy, crew);
    std::optional<HiddenBlocks> hidden;
    if (heights != nullptr) {
        hidden.emplace(*heights, projector_, raster, dx, dy);
        painter.SetHiddenBlocks(&*hidden);
    }
    if (crew != nullptr && member != 0) {
        crew->Serve(&painter, &raster);
        return;
    }

    const VisibleRegion region = FindVisibleRegion(projector_, width, height, gridWidth, gridHeight, observer);
    const TraversalRects rects = SplitRegion(region, observer.x, observer.y, dx, dy);
    const double increment = 100.0 / ((settings_.divisionsX + 1) * (settings_.divisionsY + 1));
    std::optional<FrameCrew::Lead> lead;
    if (crew != nullptr) lead.emplace(*crew, painter, raster);
    CellSink& cells = lead ? static_cast<CellSink&>(*lead) : painter;
    TraversalPasses passes(context_.ui, cells, settings_.mode, rects, dx, dy, increment, statistics_);
    passes.Run();
    if (lead) lead->Close();
    progress_ = passes.progress();
}

HeightPyramid* FrameRenderer::Heights(double dx, double dy, FrameCrew* crew)
{
    if (!skipHidden_) return nullptr;
    const ElevationGrid& elevation = *settings_.elevation;
    if (crew != nullptr) return &crew->Heights(elevation, dx, dy);
    return &KeptPyramid(heights_, elevation, dx, dy);
}

FrameOutcome FrameRenderer::Finish(CTGAFile& output, const std::string& fileName, const std::function<void()>& redraw)
{
    if (redraw) redraw();
    ShowPercent(&context_.ui.Status(), TruncateToInt(progress_));
    if (context_.ui.IsCancelled()) return FrameOutcome::Cancelled;

    if (settings_.mask != nullptr) output.ApplyMask(*settings_.mask);
    // A frame drawn only to be shown has no name.
    if (fileName.empty()) return FrameOutcome::Saved;
    output.SetOutputMode(settings_.outputKind);
    return output.OnSaveDocument(fileName) ? FrameOutcome::Saved : FrameOutcome::SaveFailed;
}

}  // namespace vistagon
