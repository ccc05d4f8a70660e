#include "import/irregular/CircleCoverage.h"

#include <algorithm>
#include <cmath>

namespace vistagon {

namespace {

constexpr double kCellMargin = 1e-9;
constexpr size_t kSpareCopies = 1 << 16;

// Squared distance from a centre coordinate to an interval, zero inside it.
double Gap(double centre, double low, double high)
{
    const double below = low - centre;
    const double above = centre - high;
    const double gap = std::max(0.0, std::max(below, above));
    return gap * gap;
}

}  // namespace

CircleCoverage::CircleCoverage(double minX, double minY, double maxX, double maxY, size_t points)
    : minX_(minX), minY_(minY), unitX_(GridUnit(minX, maxX, kSide)), unitY_(GridUnit(minY, maxY, kSide)),
      margin_(kCellMargin * (std::fabs(minX) + std::fabs(maxX) + std::fabs(minY) + std::fabs(maxY) + 1.0)),
      maxCopies_(points + kSpareCopies), cells_(static_cast<size_t>(kSide) * kSide)
{
}

// The edge cells take every position beyond the bounds; with no extent, one cell takes all.
double CircleCoverage::CellLow(double minimum, double unit, int cell) const
{
    if (cell == 0 || unit == 0.0) return -HUGE_VAL;
    return minimum + cell / unit - margin_;
}

double CircleCoverage::CellHigh(double minimum, double unit, int cell) const
{
    if (cell == kSide - 1 || unit == 0.0) return HUGE_VAL;
    return minimum + (cell + 1) / unit + margin_;
}

// Row by row, the columns the circle's disc, widened to its reach, spans
// within the row's band: O(rows + cells) rather than the whole box.
template <class Reached>
void CircleCoverage::ForEachReached(const Circumcircle& circle, Reached reached) const
{
    ReachedWhile(circle, [&reached](int row, int left, int right) {
        reached(row, left, right);
        return true;
    });
}

// The same, stopping as soon as reached returns false.
template <class Reached>
void CircleCoverage::ReachedWhile(const Circumcircle& circle, Reached reached) const
{
    const double reach = CircleReach(circle);
    // Looser than the reach by far more than the rounding of the distances.
    const double limit = reach * reach * (1.0 + 1e-6);
    const int bottom = GridCell((circle.cy - reach - minY_) * unitY_, kSide);
    const int top = GridCell((circle.cy + reach - minY_) * unitY_, kSide);
    for (int row = bottom; row <= top; ++row) {
        const double dy = Gap(circle.cy, CellLow(minY_, unitY_, row), CellHigh(minY_, unitY_, row));
        if (dy > limit) continue;
        const double halfWidth = std::sqrt(limit - dy);
        const int left = GridCell((circle.cx - halfWidth - minX_) * unitX_, kSide);
        const int right = GridCell((circle.cx + halfWidth - minX_) * unitX_, kSide);
        if (!reached(row, left, right)) return;
    }
}

uint32_t CircleCoverage::Add(const CircleHit& hit)
{
    size_t count = 0;
    ReachedWhile(hit.circle, [&count](int, int left, int right) {
        count += static_cast<size_t>(right - left + 1);
        return count <= kMaxCells;
    });
    if (count > kMaxCells || copies_ + count > maxCopies_) {
        everywhereAt_[hit.slot] = everywhere_.size();
        everywhere_.push_back(hit);
        return kEverywhere;
    }
    ForEachReached(hit.circle, [this, &hit](int row, int left, int right) {
        for (int column = left; column <= right; ++column) cells_.Push(CellOf(column, row), hit);
    });
    copies_ += count;
    ++covered_;
    return kCovered;
}

void CircleCoverage::Remove(uint32_t place, const CircleHit& hit)
{
    if (place == kEverywhere) {
        const auto found = everywhereAt_.find(hit.slot);
        const size_t at = found->second;
        everywhereAt_.erase(found);
        if (at + 1 < everywhere_.size()) {
            everywhere_[at] = everywhere_.back();
            everywhereAt_[everywhere_[at].slot] = at;
        }
        everywhere_.pop_back();
        return;
    }
    size_t count = 0;
    ForEachReached(hit.circle, [this, &hit, &count](int row, int left, int right) {
        for (int column = left; column <= right; ++column)
            cells_.RemoveFirst(CellOf(column, row), [&hit](const CircleHit& s) { return s.slot == hit.slot; });
        count += static_cast<size_t>(right - left + 1);
    });
    copies_ -= count;
    --covered_;
}

}  // namespace vistagon
