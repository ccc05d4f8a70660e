#include "render/FrameCrew.h"

#include <algorithm>

namespace vistagon {

FrameCrew::FrameCrew(int members) : members_(std::max(members, 1)) {}

// Strips of whole coverage tiles side by side, each the picture's height:
// cells high and low on the picture fall to the same walk.
void FrameCrew::Begin(int width, int height)
{
    strips_.clear();
    const int tilesAcross = std::max((width + PixelCoverage::kTileColumns - 1) / PixelCoverage::kTileColumns, 1);
    const int tilesDown = std::max((height + PixelCoverage::kTileRows - 1) / PixelCoverage::kTileRows, 1);
    const int count = members_ == 1 ? 1 : std::min(members_ * kStripsPerMember, tilesAcross);
    for (int k = 0; k < count; ++k)
        strips_.push_back({k * tilesAcross / count * PixelCoverage::kTileColumns,
                           (k + 1) * tilesAcross / count * PixelCoverage::kTileColumns - 1, 0,
                           tilesDown * PixelCoverage::kTileRows - 1});
    nextHeights_.store(0, std::memory_order_relaxed);
    next_.store(0, std::memory_order_relaxed);
    done_.store(0, std::memory_order_relaxed);
    failed_.store(false, std::memory_order_relaxed);
    failure_ = nullptr;
}

HeightPyramid& FrameCrew::Heights(const ElevationGrid& elevation, double dx, double dy)
{
    const std::lock_guard lock(heightsLock_);
    return KeptPyramid(heights_, elevation, dx, dy);
}

void FrameCrew::MeasureHeights(HeightPyramid& heights)
{
    for (int row = nextHeights_.fetch_add(1, std::memory_order_relaxed); row < heights.largeDown();
         row = nextHeights_.fetch_add(1, std::memory_order_relaxed))
        heights.MeasureLargeRow(row);
}

void FrameCrew::Fail()
{
    failed_.store(true, std::memory_order_relaxed);
    const std::lock_guard lock(failureLock_);
    if (!failure_) failure_ = std::current_exception();
}

void FrameCrew::Finish()
{
    for (size_t seen = done_.load(std::memory_order_acquire); seen < strips_.size();
         seen = done_.load(std::memory_order_acquire))
        done_.wait(seen, std::memory_order_acquire);
    const std::lock_guard lock(failureLock_);
    if (failure_) std::rethrow_exception(failure_);
}

void FrameCrew::Hold::Paint(double x, double y, StencilStep step)
{
    if (!lock_.owns_lock()) lock_.lock();
    painter_.Paint(x, y, step);
    if (++cells_ < kCellsPerHold) return;
    cells_ = 0;
    lock_.unlock();
}

}  // namespace vistagon
