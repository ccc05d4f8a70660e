#include "render/HiddenBlocks.h"

#include "render/BlockPicture.h"
#include "render/Projector.h"
#include "render/TriangleRaster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vistagon {

HiddenBlocks::HiddenBlocks(HeightPyramid& heights, const Projector& projector, const TriangleRaster& raster,
                           double dx, double dy)
    : heights_(heights), projector_(projector), raster_(raster), dx_(dx), dy_(dy),
      smallBlocks_(heights.smallAcross(), heights.smallDown()), largeBlocks_(heights.largeAcross(), heights.largeDown())
{
}

HiddenBlocks::Level::Level(int blocksAcross, int blocksDown)
    : across(blocksAcross), hidden(static_cast<size_t>(blocksAcross) * static_cast<size_t>(blocksDown)),
      pictures(static_cast<size_t>(blocksAcross))
{
}

bool HiddenBlocks::Hides(double x, double y)
{
    // Most cells fall in the block of the cell before them.
    if (y == rowY_ && x >= from_ && x < to_) return answer_;
    const double column = std::floor(x / dx_ + 0.5);
    const double row = std::floor(y / dy_ + 0.5);
    if (!(column >= 0 && row >= 0 && column < heights_.smallAcross() * HeightPyramid::kSmall &&
          row < heights_.smallDown() * HeightPyramid::kSmall)) {
        rowY_ = std::numeric_limits<double>::quiet_NaN();
        return false;
    }
    const int i = static_cast<int>(column);
    const int j = static_cast<int>(row);
    if (y != rowY_) {
        rowY_ = y;
        large_ = -1;
    }
    const int largeColumn = i / HeightPyramid::kLarge;
    const int largeRow = j / HeightPyramid::kLarge;
    const int large = largeRow * heights_.largeAcross() + largeColumn;
    if (large != large_) {
        large_ = large;
        largeAnswer_ = LargeHidden(largeColumn, largeRow);
    }
    const int smallColumn = i / HeightPyramid::kSmall;
    answer_ = largeAnswer_ || SmallHidden(smallColumn, j / HeightPyramid::kSmall);
    // The cells whose corner rounds to this block's columns.
    from_ = ColumnEdge(smallColumn * HeightPyramid::kSmall);
    to_ = ColumnEdge((smallColumn + 1) * HeightPyramid::kSmall);
    if (largeAnswer_)
        run_ = LargeRun(largeColumn, largeRow);
    else
        run_ = answer_ ? CellRun{from_, to_} : CellRun{};
    return answer_;
}

// The hidden large blocks on both sides of a hidden one join its run, which
// ends where the pyramid's cells do.
CellRun HiddenBlocks::LargeRun(int column, int row)
{
    int first = column;
    int last = column;
    while (first > 0 && LargeHidden(first - 1, row)) --first;
    while (last + 1 < heights_.largeAcross() && LargeHidden(last + 1, row)) ++last;
    const int end = std::min((last + 1) * HeightPyramid::kLarge, heights_.smallAcross() * HeightPyramid::kSmall);
    return {ColumnEdge(first * HeightPyramid::kLarge), ColumnEdge(end)};
}

double HiddenBlocks::ColumnEdge(int column) const
{
    return (column - 0.5) * dx_;
}

bool HiddenBlocks::LargeHidden(int column, int row)
{
    return BlockHidden(largeBlocks_, column, row, HeightPyramid::kLarge, &HeightPyramid::Large);
}

bool HiddenBlocks::SmallHidden(int column, int row)
{
    return BlockHidden(smallBlocks_, column, row, HeightPyramid::kSmall, &HeightPyramid::Small);
}

// A block not hidden is asked about again at every row of cells, the raster
// having filled in meanwhile; its picture is worked out once for the rows of
// blocks the walk is in.
bool HiddenBlocks::BlockHidden(Level& level, int column, int row, int cells,
                               bool (HeightPyramid::*rangeOf)(int, int, HeightPyramid::Range&))
{
    uint8_t& hidden =
        level.hidden[static_cast<size_t>(row) * static_cast<size_t>(level.across) + static_cast<size_t>(column)];
    if (hidden) return true;
    Picture& picture = level.pictures[static_cast<size_t>(column)];
    if (picture.row != row) {
        HeightPyramid::Range range;
        picture.row = row;
        picture.box = std::nullopt;
        if ((heights_.*rangeOf)(column, row, range))
            picture.box = PictureOfBlock(projector_, dx_, dy_, column * cells, row * cells, cells, range);
    }
    const std::optional<BlockPicture>& box = picture.box;
    hidden = box && raster_.BoundsTaken(box->minX, box->maxX, box->minY, box->maxY);
    return hidden != 0;
}

}  // namespace vistagon
