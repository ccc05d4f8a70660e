#include "tools/RectifyJob.h"

#include "image/ElevationEncoding.h"
#include "platform/messages/ToolMessages.h"

#include <algorithm>
#include <cmath>

namespace vistagon {

namespace {

double Apply(const Vector4& k, double x, double y)
{
    return k[0] * x + k[1] * y + k[2] * x * y + k[3];
}

int32_t HeightAt(const CTGAFile& image, int x, int y)
{
    return DecodeElevation(image.PixelBase() + static_cast<size_t>(y) * image.Stride() + 3 * static_cast<size_t>(x));
}

// Bilinear height at a bottom-up source position inside the raster. The
// neighbours beyond the last column and the top row repeat the edge pixel, so
// the edge is not pulled towards the background colour.
double Interpolate(const CTGAFile& image, double xs, double ys)
{
    const int i = static_cast<int>(std::floor(xs));
    const int j = static_cast<int>(std::floor(ys));
    const double fx = xs - i;
    const double fy = ys - j;
    const int i1 = std::min(i + 1, image.GetWidth() - 1);
    const int j1 = std::min(j + 1, image.GetHeight() - 1);
    const double h00 = HeightAt(image, i, j);
    const double h10 = HeightAt(image, i1, j);
    const double h01 = HeightAt(image, i, j1);
    const double h11 = HeightAt(image, i1, j1);
    return (h01 * (1 - fx) + h11 * fx) * fy + (h00 * (1 - fx) + h10 * fx) * (1 - fy);
}

}  // namespace

LinearSolution RectifyJob::FitAxis(const RectifyCorners& corners, bool yAxis)
{
    Matrix4 a{};
    Vector4 b{};
    for (size_t k = 0; k < 4; ++k) {
        const CornerPoint& p = corners.output[k];
        a[k] = {p.x, p.y, p.x * p.y, 1.0};
        b[k] = yAxis ? corners.source[k].y : corners.source[k].x;
    }
    return SolveLinearSystem(a, b);
}

bool RectifyJob::FitMapping(BilinearMapping& mapping)
{
    const auto fit = [this](bool yAxis, const MessageText& question, Vector4& coefficients) {
        const LinearSolution solution = FitAxis(options_.corners, yAxis);
        coefficients = solution.x;
        return !solution.singular ||
               context_.ui.Ask(question.text, QuestionButtons::OkCancel, MessageIcon::Information) == Answer::Ok;
    };
    return fit(false, msg::kIndefiniteX, mapping.x) && fit(true, msg::kIndefiniteY, mapping.y);
}

void RectifyJob::TextureRow(CTGAFile& source, const BilinearMapping& m, int r, uint8_t* out)
{
    const int width = source.GetWidth();
    const double h = source.GetHeight();
    const double y = h - r;
    for (int x = 0; x < width; ++x, out += 3) Put(out, source.SampleGaussian(Apply(m.x, x, y), h - Apply(m.y, x, y)));
}

void RectifyJob::ElevationRow(const CTGAFile& source, const BilinearMapping& m, int r, uint8_t* out) const
{
    const int width = source.GetWidth();
    const double h = source.GetHeight();
    const double y = h - r;
    for (int x = 0; x < width; ++x, out += 3) {
        const double xs = Apply(m.x, x, y);
        const double ys = h - Apply(m.y, x, y);
        double height = 0.0;
        if (xs >= 0.0 && xs < width && ys >= 0.0 && ys < h) height = Interpolate(source, xs, ys);
        // Round to nearest: truncating height + 0.5 would lift every negative height by one.
        Put(out, EncodeElevation(static_cast<int32_t>(std::floor(height + 0.5))));
    }
}

bool RectifyJob::Convert()
{
    BilinearMapping mapping;
    if (!FitMapping(mapping)) return false;
    CTGAFile source = MakeImage();
    CTGAFile target = MakeImage();
    if (!OpenWithTarget(source, options_.source, target)) return false;

    const bool elevation = options_.type == RectifyFileType::Elevation;
    const int height = source.GetHeight();
    RowProgress progress = MakeProgress(height);
    for (int r = 0; r < height; ++r) {
        if (!NextRow(progress)) break;
        if (elevation) ElevationRow(source, mapping, r, RowOf(target, r));
        else TextureRow(source, mapping, r, RowOf(target, r));
    }
    // The warp moves every pixel: the source's placement no longer holds.
    return SaveUnlessCancelled(target, options_.target, std::nullopt);
}

}  // namespace vistagon
