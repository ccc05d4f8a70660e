#include "flight/Ease.h"

#include <gtest/gtest.h>

namespace vistagon {
namespace {

TEST(Ease, WithoutSmoothnessIsLinear)
{
    for (const double t : {0.0, 0.1, 0.25, 0.5, 0.75, 1.0}) EXPECT_DOUBLE_EQ(Ease(t, 10.0, 30.0, 0.0), 10.0 + 20.0 * t);
}

TEST(Ease, FullSmoothnessStartsAndEndsSlowly)
{
    EXPECT_NEAR(Ease(0.1, 0.0, 1.0, 1.0), 0.024186, 1e-6);
    EXPECT_NEAR(Ease(0.25, 0.0, 1.0, 1.0), 0.1405, 1e-4);
    EXPECT_NEAR(Ease(0.5, 0.0, 1.0, 1.0), 0.5, 1e-15);
    EXPECT_NEAR(Ease(0.9, 0.0, 100.0, 1.0), 97.5814, 1e-4);
}

TEST(Ease, EndsAreExactAndTheLawIsPointSymmetric)
{
    for (const double k : {0.01, 0.3, 1.0}) {
        EXPECT_EQ(Ease(0.0, -4.0, 8.0, k), -4.0);
        EXPECT_NEAR(Ease(1.0, -4.0, 8.0, k), 8.0, 1e-12);
        for (const double t : {0.05, 0.2, 0.4})
            EXPECT_NEAR(Ease(t, 0.0, 1.0, k) + Ease(1.0 - t, 0.0, 1.0, k), 1.0, 1e-12) << "k " << k << " t " << t;
    }
}

TEST(Ease, FrameParameterCountsFromTheWholeAnimation)
{
    EXPECT_EQ(FrameParameter(0, 1), 0.0);
    EXPECT_EQ(FrameParameter(3, 0), 0.0);
    EXPECT_EQ(FrameParameter(1, 2), 1.0);
    EXPECT_DOUBLE_EQ(FrameParameter(3, 11), 0.3);
}

}  // namespace
}  // namespace vistagon
