#include "render/HeightPyramid.h"

#include "image/ElevationEncoding.h"
#include "image/ElevationGrid.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace vistagon {

namespace {

// Lattice coordinates are sums of steps, a little off i * dx: a block reaches
// this share of a cell further on each side.
constexpr double kSlack = 0.01;
// Finer lattices than this keep no table and skip nothing.
constexpr double kMaxCells = 1 << 17;

HeightPyramid::Range Widened(HeightPyramid::Range range, int32_t value)
{
    return {std::min(range.low, value), std::max(range.high, value)};
}

}  // namespace

HeightPyramid::HeightPyramid(const ElevationGrid& elevation, double dx, double dy)
    : elevation_(elevation), dx_(dx), dy_(dy)
{
    // Cells up to the far edge and one beyond it, where the walk may stop.
    const double across = std::ceil(elevation.GetGridWidth() / dx) + 2;
    const double down = std::ceil(elevation.GetGridHeight() / dy) + 2;
    if (!(across > 0 && across < kMaxCells && down > 0 && down < kMaxCells)) return;
    largeAcross_ = static_cast<int>(across) / kLarge + 1;
    largeDown_ = static_cast<int>(down) / kLarge + 1;
    smallAcross_ = largeAcross_ * kSmallPerLarge;
    smallDown_ = largeDown_ * kSmallPerLarge;
    small_.assign(static_cast<size_t>(smallAcross_) * static_cast<size_t>(smallDown_), kUnknown);
    large_.assign(static_cast<size_t>(largeAcross_) * static_cast<size_t>(largeDown_), kUnknown);
}

uint64_t HeightPyramid::Pack(const Range& range)
{
    return (static_cast<uint64_t>(static_cast<uint32_t>(range.high)) << 32) | static_cast<uint32_t>(range.low);
}

HeightPyramid::Range HeightPyramid::Unpack(uint64_t word)
{
    return {static_cast<int32_t>(static_cast<uint32_t>(word)), static_cast<int32_t>(static_cast<uint32_t>(word >> 32))};
}

uint64_t HeightPyramid::Load(const uint64_t& word)
{
    return std::atomic_ref<uint64_t>(const_cast<uint64_t&>(word)).load(std::memory_order_relaxed);
}

void HeightPyramid::Store(uint64_t& word, uint64_t value)
{
    std::atomic_ref<uint64_t>(word).store(value, std::memory_order_relaxed);
}

HeightPyramid::NodeSpan HeightPyramid::Span(double low, double high, double reciprocal, int nodes)
{
    // As the lookup scales a coordinate; rounding keeps the order of the products.
    const double a = low * reciprocal;
    const double b = high * reciprocal;
    const double from = std::min(a, b);
    const double to = std::max(a, b);
    NodeSpan span;
    span.outside = !(from >= 0.0 && to < nodes - 1.0);
    if (!(to >= 0.0 && from < nodes - 1.0)) return span;
    span.first = std::max(0, static_cast<int>(std::floor(from)));
    span.last = std::min(nodes - 1, static_cast<int>(std::floor(to)) + 1);
    return span;
}

HeightPyramid::Range HeightPyramid::Measure(int column, int row) const
{
    const NodeSpan xs = Span((column * kSmall - kSlack) * dx_, ((column + 1) * kSmall + kSlack) * dx_,
                             elevation_.scaleXReciprocal(), elevation_.GetWidth());
    const NodeSpan ys = Span((row * kSmall - kSlack) * dy_, ((row + 1) * kSmall + kSlack) * dy_,
                             elevation_.scaleYReciprocal(), elevation_.GetHeight());
    Range range{INT32_MAX, INT32_MIN};
    if (xs.outside || ys.outside) range = Widened(range, 0);
    const uint8_t* base = elevation_.PixelBase();
    for (int y = ys.first; y <= ys.last; ++y) {
        for (int x = xs.first; x <= xs.last; ++x) {
            const int32_t value =
                base != nullptr ? DecodeElevation(base + static_cast<size_t>(y) * elevation_.Stride() + 3 * static_cast<size_t>(x))
                                : elevation_.NodeValue(x, y);
            range = Widened(range, value);
        }
    }
    return range;
}

bool HeightPyramid::Small(int column, int row, Range& range)
{
    if (column < 0 || row < 0 || column >= smallAcross_ || row >= smallDown_) return false;
    uint64_t& kept = small_[static_cast<size_t>(row) * static_cast<size_t>(smallAcross_) + static_cast<size_t>(column)];
    uint64_t word = Load(kept);
    if (!Known(word)) Store(kept, word = Pack(Measure(column, row)));
    range = Unpack(word);
    return true;
}

bool HeightPyramid::Large(int column, int row, Range& range)
{
    if (column < 0 || row < 0 || column >= largeAcross_ || row >= largeDown_) return false;
    uint64_t& kept = large_[static_cast<size_t>(row) * static_cast<size_t>(largeAcross_) + static_cast<size_t>(column)];
    uint64_t word = Load(kept);
    if (!Known(word)) {
        Range whole{INT32_MAX, INT32_MIN};
        for (int y = row * kSmallPerLarge; y < (row + 1) * kSmallPerLarge; ++y) {
            for (int x = column * kSmallPerLarge; x < (column + 1) * kSmallPerLarge; ++x) {
                Range part;
                Small(x, y, part);
                whole = Widened(Widened(whole, part.low), part.high);
            }
        }
        Store(kept, word = Pack(whole));
    }
    range = Unpack(word);
    return true;
}

void HeightPyramid::MeasureLargeRow(int row)
{
    Range range;
    for (int column = 0; column < largeAcross_; ++column) Large(column, row, range);
}

}  // namespace vistagon
