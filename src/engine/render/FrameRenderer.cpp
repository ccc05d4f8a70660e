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
    if (crew == nullptr) {
        progress_ = DrawStrip(output, dustDistance, PictureStrip{}, nullptr, false);
        return;
    }
    const bool lead = member == 0;
    if (lead) ShowPercent(&context_.ui.Status(), 0);
    const auto [dx, dy] = CellSize();
    if (HeightPyramid* heights = Heights(dx, dy, crew)) crew->MeasureHeights(*heights);
    crew->Work([&](const PictureStrip& strip) {
        progress_ = DrawStrip(output, dustDistance, strip, crew, !lead);
        // The strips done so far as a share of what a whole walk shows.
        if (lead)
            ShowPercent(&context_.ui.Status(),
                        TruncateToInt(progress_ * static_cast<double>(crew->stripsDone() + 1) /
                                      static_cast<double>(crew->strips())));
    });
    if (lead) crew->Finish();
}

double FrameRenderer::DrawStrip(CTGAFile& output, double dustDistance, const PictureStrip& strip, FrameCrew* crew,
                                bool holdsPicture)
{
    PixelCoverage coverage;
    coverage.Reset(std::min(strip.right, output.GetWidth() - 1) - strip.left + 1, output.GetHeight());
    const ElevationGrid& elevation = *settings_.elevation;
    const int width = settings_.outputWidth;
    const int height = settings_.outputHeight;
    TriangleRaster raster(output, projector_, projector_.light(), width, height, settings_.highQuality, coverage,
                          strip);

    const Vec4 observer = Observer();
    const auto [dx, dy] = CellSize();
    CellPainter painter(projector_, raster, elevation, dx, dy, observer, dustDistance, statistics_);
    HeightPyramid* heights = Heights(dx, dy, crew);
    std::optional<HiddenBlocks> hidden;
    if (heights != nullptr) {
        hidden.emplace(*heights, projector_, raster, dx, dy);
        painter.SetHiddenBlocks(&*hidden);
    }
    std::optional<FrameCrew::Hold> hold;
    if (holdsPicture) hold.emplace(*crew, painter);
    CellSink& cells = hold ? static_cast<CellSink&>(*hold) : painter;

    const VisibleRegion region =
        FindVisibleRegion(projector_, width, height, elevation.GetGridWidth(), elevation.GetGridHeight(), observer);
    const TraversalRects rects = SplitRegion(region, observer.x, observer.y, dx, dy);
    const double increment = 100.0 / ((settings_.divisionsX + 1) * (settings_.divisionsY + 1));
    TraversalPasses passes(context_.ui, cells, settings_.mode, rects, dx, dy, increment, statistics_,
                           crew != nullptr ? WalkProgress::Counted : WalkProgress::Shown);
    passes.Run();
    return passes.progress();
}

std::pair<double, double> FrameRenderer::CellSize() const
{
    const ElevationGrid& elevation = *settings_.elevation;
    return {elevation.GetGridWidth() / settings_.divisionsX, elevation.GetGridHeight() / settings_.divisionsY};
}

Vec4 FrameRenderer::Observer() const
{
    const Vec4& eye = projector_.Position();
    return Vec4::Point(eye.x + kObserverNudge, eye.y + kObserverNudge, eye.z);
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
