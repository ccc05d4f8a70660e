#include "render/HeightPyramid.h"

#include "RenderFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vistagon {
namespace {

using test::TestContext;

constexpr int kColumns = 37;
constexpr int kRows = 29;

// Every corner a cell of a block can have, including the cells that reach
// beyond the grid (height 0 there) and lattices finer and coarser than the
// nodes, lies within its block's range, and within its large block's.
TEST(HeightPyramidTest, BlocksBoundEveryCornerHeightInThem)
{
    TestContext t;
    const auto grid = test::MakeElevation(t.context, kColumns, kRows, [](int x, int y) {
        return static_cast<int>(900 * std::sin(x * 0.7) * std::cos(y * 0.3)) + 400 + (x * 31 + y * 17) % 23;
    }, 1.3);
    for (const double divisions : {50.0, 29.0, 13.5}) {
        const double dx = grid->GetGridWidth() / divisions;
        const double dy = grid->GetGridHeight() / divisions;
        HeightPyramid pyramid(*grid, dx, dy);
        int belowZero = 0;
        for (int j = 0; j <= divisions + 2; ++j) {
            for (int i = 0; i <= divisions + 2; ++i) {
                const double h = grid->HeightAt(i * dx, j * dy);
                belowZero += h < 0 ? 1 : 0;
                // A cell's corners belong to it and to the cells before them.
                for (const int ci : {i, i - 1}) {
                    for (const int cj : {j, j - 1}) {
                        if (ci < 0 || cj < 0) continue;
                        HeightPyramid::Range small, large;
                        ASSERT_TRUE(pyramid.Small(ci / HeightPyramid::kSmall, cj / HeightPyramid::kSmall, small));
                        ASSERT_TRUE(pyramid.Large(ci / HeightPyramid::kLarge, cj / HeightPyramid::kLarge, large));
                        EXPECT_LE(small.low, h) << divisions << ": cell " << ci << ", " << cj;
                        EXPECT_GE(small.high, h) << divisions << ": cell " << ci << ", " << cj;
                        EXPECT_LE(large.low, small.low);
                        EXPECT_GE(large.high, small.high);
                    }
                }
            }
        }
        EXPECT_GT(belowZero, 0) << "the heights go below zero too";
    }
}

TEST(HeightPyramidTest, LevelGroundGivesItsOwnHeightAndBlocksBeyondTheLatticeNone)
{
    TestContext t;
    const auto grid = test::MakeElevation(t.context, 40, 40, [](int x, int) { return x < 20 ? 250 : 7 * x; });
    HeightPyramid pyramid(*grid, 1.0, 1.0);
    HeightPyramid::Range range;
    ASSERT_TRUE(pyramid.Small(1, 1, range)) << "cells 8..15 both ways";
    EXPECT_EQ(range.low, 250);
    EXPECT_EQ(range.high, 250);
    ASSERT_TRUE(pyramid.Small(4, 0, range)) << "cells 32..39, which reach beyond the last node";
    EXPECT_EQ(range.low, 0);
    EXPECT_EQ(range.high, 7 * 39);
    EXPECT_FALSE(pyramid.Small(-1, 0, range));
    EXPECT_FALSE(pyramid.Small(0, pyramid.smallDown(), range));
    EXPECT_FALSE(pyramid.Large(pyramid.largeAcross(), 0, range));
}

}  // namespace
}  // namespace vistagon
