#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vistagon {

class ElevationGrid;

// The lowest and highest stored height that a cell corner can take within a
// block of cells (bilinear between nodes, 0 beyond the grid), for small
// blocks of kSmall x kSmall cells and large ones of kLarge x kLarge. A block's
// range is worked out when first asked for and kept: it depends on the grid
// and the cell size only, not on the frame's z scale. Threads drawing one
// frame may share one: whoever asks first works a range out, and any other
// thread asking meanwhile works out the same.
class HeightPyramid {
public:
    static constexpr int kSmall = 8;
    static constexpr int kSmallPerLarge = 8;
    static constexpr int kLarge = kSmall * kSmallPerLarge;

    struct Range {
        int32_t low = 0;
        int32_t high = 0;
    };

    HeightPyramid(const ElevationGrid& elevation, double dx, double dy);
    bool Serves(const ElevationGrid& elevation, double dx, double dy) const
    {
        return &elevation == &elevation_ && dx == dx_ && dy == dy_;
    }

    // Blocks across and down the lattice (none when it is too fine to keep a table for).
    int smallAcross() const { return smallAcross_; }
    int smallDown() const { return smallDown_; }
    int largeAcross() const { return largeAcross_; }
    int largeDown() const { return largeDown_; }

    // Blocks by lattice column and row divided by the block's size; false for
    // one outside the lattice (whose cells are then never skipped).
    bool Small(int column, int row, Range& range);
    bool Large(int column, int row, Range& range);
    // Works out the ranges of a row of large blocks and of their small ones
    // ahead of the walk, so that threads sharing a frame share that work too.
    void MeasureLargeRow(int row);

private:
    // The nodes that points between two coordinates interpolate from.
    struct NodeSpan {
        int first = 0;
        int last = -1;
        bool outside = false;  // some point lies beyond the grid's nodes, at height 0
    };
    static NodeSpan Span(double low, double high, double reciprocal, int nodes);
    Range Measure(int column, int row) const;
    // A range packed into one word, so that threads read and write it whole.
    static uint64_t Pack(const Range& range);
    static Range Unpack(uint64_t word);
    static bool Known(uint64_t word) { return word != kUnknown; }
    static uint64_t Load(const uint64_t& word);
    static void Store(uint64_t& word, uint64_t value);
    // Low 1, high 0: a range no block has.
    static constexpr uint64_t kUnknown = 1;

    const ElevationGrid& elevation_;
    double dx_;
    double dy_;
    int smallAcross_ = 0;
    int smallDown_ = 0;
    int largeAcross_ = 0;
    int largeDown_ = 0;
    std::vector<uint64_t> small_;
    std::vector<uint64_t> large_;
};

// The pyramid kept in kept, made anew unless it serves this grid and cell size.
inline HeightPyramid& KeptPyramid(std::optional<HeightPyramid>& kept, const ElevationGrid& elevation, double dx,
                                  double dy)
{
    if (!kept || !kept->Serves(elevation, dx, dy)) kept.emplace(elevation, dx, dy);
    return *kept;
}

}  // namespace vistagon
