#include "tools/ImageConvolution.h"

#include <algorithm>

namespace vistagon {

namespace {

constexpr int64_t kNarrowCellLimit = 65000;

uint8_t ChannelByte(double v)
{
    if (v >= 255.5) return 255;
    if (!(v >= 0.0)) return 0;  // negative, or 0 / 0
    return static_cast<uint8_t>(v);
}

}  // namespace

ImageConvolution::ImageConvolution(const ConvolutionKernel& kernel, const CTGAFile& source)
    : kernel_(kernel), width_(source.GetWidth()), height_(source.GetHeight()),
      wideSums_(std::min(static_cast<int64_t>(kernel.width) * kernel.height,
                         static_cast<int64_t>(width_) * height_) > kNarrowCellLimit)
{
    const size_t w = static_cast<size_t>(width_);
    for (auto& plane : planes_) plane.resize(w * static_cast<size_t>(height_));
    for (int y = 0; y < height_; ++y) {
        const uint8_t* in = source.PixelBase() + static_cast<size_t>(y) * source.Stride();
        const size_t row = static_cast<size_t>(y) * w;
        for (size_t x = 0; x < w; ++x, in += 3) {
            planes_[0][row + x] = in[0];
            planes_[1][row + x] = in[1];
            planes_[2][row + x] = in[2];
        }
    }
    if (wideSums_) wideSums64_.resize(w);
    else narrowSums_.resize(w);
    weightSums_.resize(w);
}

ImageConvolution::RowSpan ImageConvolution::KernelRows(int y) const
{
    const int cy = kernel_.centreY();
    return RowSpan{std::max(0, cy - y), std::min(kernel_.height - 1, height_ - 1 - y + cy)};
}

template <class Sum>
void ImageConvolution::AccumulateChannel(int channel, RowSpan rows, int y, Sum* sums) const
{
    const int cx = kernel_.centreX();
    const int cy = kernel_.centreY();
    std::fill(sums, sums + width_, Sum{0});
    for (int j = rows.first; j <= rows.last; ++j) {
        const uint8_t* src = planes_[static_cast<size_t>(channel)].data() +
                             static_cast<size_t>(y + j - cy) * static_cast<size_t>(width_);
        const int8_t* weights = kernel_.Row(channel, j);
        for (int i = 0; i < kernel_.width; ++i) {
            const Sum w = weights[i];
            if (w == 0) continue;  // adds nothing to either sum
            const int dx = i - cx;
            const int xEnd = std::min(width_, width_ - dx);
            for (int x = std::max(0, -dx); x < xEnd; ++x) sums[x] += w * src[x + dx];
        }
    }
}

void ImageConvolution::SumWeights(int channel, RowSpan rows)
{
    const int cx = kernel_.centreX();
    const auto sumColumns = [&](int first, int last) {
        int64_t sum = 0;
        for (int j = rows.first; j <= rows.last; ++j) {
            const int8_t* weights = kernel_.Row(channel, j);
            for (int i = first; i <= last; ++i) sum += weights[i];
        }
        return sum;
    };
    const int lastColumn = kernel_.width - 1;
    const int64_t full = sumColumns(0, lastColumn);
    for (int x = 0; x < width_; ++x) {
        const int first = std::max(0, cx - x);
        const int last = std::min(lastColumn, width_ - 1 - x + cx);
        if (first == 0 && last == lastColumn) weightSums_[static_cast<size_t>(x)] = full;
        else weightSums_[static_cast<size_t>(x)] = first > last ? 0 : sumColumns(first, last);
    }
}

template <class Sum>
void ImageConvolution::StoreChannel(int channel, const Sum* sums, uint8_t* out) const
{
    for (int x = 0; x < width_; ++x) {
        const double v = static_cast<double>(sums[x]) / static_cast<double>(weightSums_[static_cast<size_t>(x)]);
        out[3 * x + channel] = ChannelByte(v);
    }
}

void ImageConvolution::ComputeRow(int y, uint8_t* out)
{
    const RowSpan rows = KernelRows(y);
    for (int channel = 0; channel < 3; ++channel) {
        SumWeights(channel, rows);
        if (wideSums_) {
            AccumulateChannel(channel, rows, y, wideSums64_.data());
            StoreChannel(channel, wideSums64_.data(), out);
        } else {
            AccumulateChannel(channel, rows, y, narrowSums_.data());
            StoreChannel(channel, narrowSums_.data(), out);
        }
    }
}

}  // namespace vistagon
