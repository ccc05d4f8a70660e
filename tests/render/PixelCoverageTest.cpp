#include "render/PixelCoverage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace vistagon {
namespace {

bool EveryPixelTaken(const PixelCoverage& coverage, int left, int right, int low, int high)
{
    for (int row = low; row <= high; ++row)
        for (int column = left; column <= right; ++column)
            if (!coverage.Taken(coverage.Index(column, row))) return false;
    return true;
}

// Pictures whose sides are and are not whole tiles; pixels taken in a random
// order, regions of every size asked about on the way, the whole picture at the end.
TEST(PixelCoverageTest, ARegionIsTakenExactlyWhenEveryPixelInItIs)
{
    std::mt19937 random(20);
    for (const auto& [width, height] : {std::pair{37, 23}, std::pair{32, 8}, std::pair{5, 3}, std::pair{16, 9}}) {
        PixelCoverage coverage;
        coverage.Reset(width, height);
        std::vector<int> order(static_cast<size_t>(width * height));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), random);
        int taken = 0, agreeingTaken = 0;
        for (size_t k = 0; k < order.size(); ++k) {
            const int column = order[k] % width;
            const int row = order[k] / width;
            coverage.Take(coverage.Index(column, row), coverage.Tile(column, row));
            for (int ask = 0; ask < 20; ++ask) {
                int left = static_cast<int>(random() % width), right = static_cast<int>(random() % width);
                int low = static_cast<int>(random() % height), high = static_cast<int>(random() % height);
                if (left > right) std::swap(left, right);
                if (low > high) std::swap(low, high);
                const bool expected = EveryPixelTaken(coverage, left, right, low, high);
                ASSERT_EQ(coverage.RegionTaken(left, right, low, high), expected)
                    << width << " x " << height << ", columns " << left << ".." << right << ", rows " << low
                    << ".." << high << " after " << k + 1 << " pixels";
                taken += expected ? 1 : 0;
                agreeingTaken += expected && (right - left + 1) * (high - low + 1) >= 64 ? 1 : 0;
            }
        }
        EXPECT_TRUE(coverage.RegionTaken(0, width - 1, 0, height - 1));
        EXPECT_GT(taken, 0);
        if (width * height >= 256) EXPECT_GT(agreeingTaken, 0) << "some large regions were answered taken";
    }
}

TEST(PixelCoverageTest, ResetGivesEveryPixelBack)
{
    PixelCoverage coverage;
    coverage.Reset(20, 10);
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 20; ++column) coverage.Take(coverage.Index(column, row), coverage.Tile(column, row));
    ASSERT_TRUE(coverage.RegionTaken(0, 19, 0, 9));
    coverage.Reset(20, 10);
    EXPECT_FALSE(coverage.RegionTaken(0, 15, 0, 3)) << "a whole tile";
    EXPECT_FALSE(coverage.RegionTaken(19, 19, 9, 9)) << "the last pixel";
}

}  // namespace
}  // namespace vistagon
