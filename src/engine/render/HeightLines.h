#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace vistagon {

class ElevationGrid;

// The scaled heights of the last few lattice lines the stencils read, by
// column. Neighbouring rows of cells read the same lines again; a height is
// answered from here only where its x and y are bit for bit those it was
// read at, so every answer equals the grid's own.
class HeightLines {
    struct Line {
        double y = 0.0;
        bool used = false;
        long lastUse = 0;
        std::vector<double> xs;  // NaN where nothing was read
        std::vector<double> zs;
    };

public:
    // The heights of one line, for reading many at one y.
    class Row {
    public:
        double At(double x) const;

    private:
        friend class HeightLines;
        HeightLines* owner_ = nullptr;
        Line* line_ = nullptr;
        double y_ = 0.0;
    };

    HeightLines(const ElevationGrid& elevation, double zScale, double dx, double divisionsX);

    double At(double x, double y);
    Row Select(double y);

private:
    static constexpr size_t kLines = 6;
    // Columns start two cells left of the grid: stencils reach one cell beyond a cell's corner.
    static constexpr double kColumnOffset = 2.0;
    // Wider rows than this are read straight from the grid.
    static constexpr double kMaxColumns = 1 << 20;

    double Read(double x, double y) const;
    Line* LineAt(double y);
    double FromLine(Line& line, double x, double y) const;

    const ElevationGrid& elevation_;
    double zScale_;
    double inverseDx_;
    size_t columns_ = 0;
    std::array<Line, kLines> lines_;
    long uses_ = 0;
};

// Inline: the stencils read four heights per cell.
inline double HeightLines::FromLine(Line& line, double x, double y) const
{
    const double column = x * inverseDx_ + kColumnOffset + 0.5;
    if (!(column >= 0.0 && column < static_cast<double>(columns_))) return Read(x, y);
    const size_t i = static_cast<size_t>(column);
    if (line.xs[i] != x) {
        line.zs[i] = Read(x, y);
        line.xs[i] = x;
    }
    return line.zs[i];
}

// The line may have gone to another y since it was selected: then the owner looks again.
inline double HeightLines::Row::At(double x) const
{
    if (line_ == nullptr) return owner_->Read(x, y_);
    if (line_->y != y_) return owner_->At(x, y_);
    return owner_->FromLine(*line_, x, y_);
}

}  // namespace vistagon
