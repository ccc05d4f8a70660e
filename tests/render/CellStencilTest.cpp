#include "render/CellStencil.h"

#include "RenderFixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vistagon {
namespace {

using test::TestContext;

bool SameBits(const Vec4& a, const Vec4& b)
{
    return std::memcmp(&a, &b, sizeof(Vec4)) == 0;
}

void ExpectSameStencil(const CellStencil& a, const CellStencil& b, double x)
{
    for (int i = 0; i < CellStencil::kPoints; ++i) EXPECT_TRUE(SameBits(a.V(i), b.V(i))) << "V" << i << " at x " << x;
    EXPECT_TRUE(SameBits(a.N3(), b.N3())) << x;
    EXPECT_TRUE(SameBits(a.N4(), b.N4())) << x;
    EXPECT_TRUE(SameBits(a.N7(), b.N7())) << x;
    EXPECT_TRUE(SameBits(a.N8(), b.N8())) << x;
}

// Steps like 0.1 or 30/7 make x + 2dx and (x + dx) + dx differ in the last bit now and then.
TEST(CellStencilTest, AdvancingAlongARowEqualsTheFullComputation)
{
    TestContext t;
    auto grid = test::MakeElevation(t.context, 40, 40, [](int x, int y) { return (x * 7919 + y * 104729) % 997 - 300; },
                                    3.0);
    for (double dx : {0.1, 30.0 / 7.0, 1.0 / 3.0, 2.5}) {
        const double dy = dx * 1.37;
        CellStencil carried(*grid, 0.73, dx, dy);
        CellStencil full(*grid, 0.73, dx, dy);
        const double y = 11 * dy;
        double x = 2 * dx;
        carried.Build(x, y);
        for (int step = 0; step < 300; ++step) {
            x += dx;
            carried.Advance(x, y, true);
            full.Build(x, y);
            ExpectSameStencil(carried, full, x);
        }
        for (int step = 0; step < 300; ++step) {
            x -= dx;
            carried.Advance(x, y, false);
            full.Build(x, y);
            ExpectSameStencil(carried, full, x);
        }
    }
}

// Rows walked as the passes walk them, down and up, read heights through the
// kept lattice lines; every stencil still equals one read straight from the grid.
TEST(CellStencilTest, RowsReadingKeptHeightsEqualTheGridsOwn)
{
    TestContext t;
    auto grid = test::MakeElevation(t.context, 40, 40, [](int x, int y) { return (x * 7919 + y * 104729) % 997 - 300; },
                                    3.0);
    for (double dx : {0.1, 30.0 / 7.0, 1.0, 2.5}) {
        const double dy = dx * 1.37;
        const double divisions = 120.0 / dx;
        CellStencil kept(*grid, 0.73, dx, dy, divisions);
        CellStencil plain(*grid, 0.73, dx, dy);
        for (const int direction : {-1, +1}) {
            double y = direction < 0 ? 80 * dy : -dy;
            for (int row = 0; row < 40; ++row, y += direction * dy) {
                double x = -dx;
                kept.Build(x, y);
                for (int step = 0; step < 60; ++step) {
                    x += dx;
                    kept.Advance(x, y, true);
                    plain.Build(x, y);
                    ExpectSameStencil(kept, plain, x);
                }
            }
        }
    }
}

TEST(CellStencilTest, LevelGroundHasUpwardNormalsAndSlopesTiltThem)
{
    TestContext t;
    auto level = test::MakeElevation(t.context, 10, 10, [](int, int) { return 50; });
    CellStencil flat(*level, 2.0, 1.0, 1.0);
    flat.Build(3, 3);
    EXPECT_DOUBLE_EQ(flat.V(3).z, 100.0);
    EXPECT_DOUBLE_EQ(flat.N3().z, 1.0);
    EXPECT_DOUBLE_EQ(flat.N8().x, 0.0);

    // Rising toward +x: the normals lean toward -x.
    auto ramp = test::MakeElevation(t.context, 10, 10, [](int x, int) { return x; });
    CellStencil slope(*ramp, 1.0, 1.0, 1.0);
    slope.Build(3, 3);
    EXPECT_NEAR(slope.N4().x, -std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(slope.N4().z, std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(slope.N4().y, 0.0, 1e-12);
}

}  // namespace
}  // namespace vistagon
