#include "render/WirePreview.h"

#include "image/ElevationGrid.h"
#include "render/Projector.h"

#include <algorithm>

namespace vistagon {

namespace {

constexpr int kLineLimit = 16384;

bool StrictlyInside(int x, int y)
{
    return x > -kLineLimit && x < kLineLimit && y > -kLineLimit && y < kLineLimit;
}

// A line of the wire model, drawn only when both ends project well inside the limits.
void DrawProjectedLine(const Projector& projector, const Vec4& from, const Vec4& to, uint32_t colour, LineCanvas& canvas)
{
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (!projector.ProjectPoint(from, x0, y0) || !projector.ProjectPoint(to, x1, y1)) return;
    if (StrictlyInside(x0, y0) && StrictlyInside(x1, y1)) canvas.DrawLine(x0, y0, x1, y1, colour);
}

// The node positions 0, step, 2 step, ... up to the extent plus half a step.
size_t PositionsUpTo(double extent, double step)
{
    if (!(step > 0.0)) return 0;
    size_t count = 0;
    for (double position = 0.0; position < extent + step / 2; position += step) {
        ++count;
        if (position + step == position) break;  // a step too small to advance
    }
    return count;
}

}  // namespace

double PreviewDivisions(double sceneDivisions)
{
    return std::min(sceneDivisions / 10, 25.0);
}

WireLattice::WireLattice(double gridWidth, double gridHeight, double divisionsX, double divisionsY)
{
    const double dx = gridWidth / divisionsX;
    const double dy = gridHeight / divisionsY;
    const double hx = dx / 10;
    const double hy = dy / 10;
    columns_ = PositionsUpTo(gridWidth, dx);
    rows_ = PositionsUpTo(gridHeight, dy);
    points_.reserve(NodeCount() * kPointsPerNode);
    double y = 0.0;
    for (size_t row = 0; row < rows_; ++row, y += dy) {
        double x = 0.0;
        for (size_t column = 0; column < columns_; ++column, x += dx) {
            points_.push_back(Vec4::Point(x - hx, y, 0));
            points_.push_back(Vec4::Point(x + hx, y, 0));
            points_.push_back(Vec4::Point(x, y - hy, 0));
            points_.push_back(Vec4::Point(x, y + hy, 0));
            points_.push_back(Vec4::Point(x, y, 0));
            points_.push_back(Vec4::Point(x, y, 0));
        }
    }
}

bool RenderPreview(UserInteraction& ui, const Projector& projector, const ElevationGrid& elevation,
                   WireLattice& lattice, LineCanvas& canvas)
{
    canvas.Repaint();
    std::vector<Vec4>& points = lattice.points();
    const double zScale = projector.zScale();
    size_t index = 0;
    for (size_t row = 0; row < lattice.rows(); ++row) {
        if (ui.IsCancelled()) return false;
        for (size_t column = 0; column < lattice.columns(); ++column, index += WireLattice::kPointsPerNode) {
            Vec4* node = &points[index];
            DrawProjectedLine(projector, node[0], node[1], kWireCrossColour, canvas);
            DrawProjectedLine(projector, node[2], node[3], kWireCrossColour, canvas);
            node[5].z = elevation.HeightAt(node[5].x, node[5].y) * zScale;
            DrawProjectedLine(projector, node[4], node[5], kWirePostColour, canvas);
        }
    }
    return true;
}

}  // namespace vistagon
