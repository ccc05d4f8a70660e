#include "render/HeightLines.h"

#include "RenderFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vistagon {
namespace {

using test::TestContext;

// Lines come and go (more y values than lines kept), x values a bit apart share
// a column, points lie outside the grid: each answer is still the grid's.
TEST(HeightLinesTest, EveryAnswerIsTheGridsScaledHeight)
{
    TestContext t;
    auto grid = test::MakeElevation(t.context, 30, 30, [](int x, int y) { return (x * 31 + y * 17) % 101 - 40; }, 2.0);
    const double dx = 0.7;
    HeightLines lines(*grid, 0.5, dx, 60.0 / dx);
    for (int pass = 0; pass < 3; ++pass) {
        for (int line = 0; line < 11; ++line) {
            const double y = line * 5.3 - 2.0;
            HeightLines::Row row = lines.Select(y);
            for (int column = -4; column < 95; ++column) {
                const double x = column * dx;
                const double nudged = std::nextafter(x, 1e9);
                EXPECT_EQ(row.At(x), grid->HeightAt(x, y) * 0.5) << x << ", " << y;
                EXPECT_EQ(lines.At(nudged, y), grid->HeightAt(nudged, y) * 0.5) << nudged << ", " << y;
            }
        }
    }
}

// A selected row whose line was taken for another y answers from the grid, not the other line.
TEST(HeightLinesTest, ARowOutlivingItsLineStillAnswersRight)
{
    TestContext t;
    auto grid = test::MakeElevation(t.context, 20, 20, [](int x, int y) { return x * 10 + y; });
    HeightLines lines(*grid, 1.0, 1.0, 20.0);
    const HeightLines::Row first = lines.Select(3.0);
    EXPECT_EQ(first.At(4.0), 43.0);
    for (int y = 4; y < 12; ++y) lines.Select(y);
    EXPECT_EQ(first.At(5.0), 53.0);
    EXPECT_EQ(first.At(4.0), 43.0);
    // The line y = 3 had gone to y = 9, which keeps its own heights.
    EXPECT_EQ(lines.At(5.0, 9.0), 59.0);
}

}  // namespace
}  // namespace vistagon
