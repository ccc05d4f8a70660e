#include "ReferenceTriangulation.h"
#include "import/irregular/DelaunayTriangulation.h"

#include <gtest/gtest.h>

#include <random>

namespace vistagon {
namespace {

// Points drawn from a small lattice, so that most of them repeat earlier ones.
std::vector<NodalPoint> RepeatedLatticePoints(int side, size_t count, unsigned seed)
{
    std::mt19937 engine(seed);
    std::vector<NodalPoint> points;
    for (size_t i = 0; i < count; ++i)
        points.push_back({double(engine() % side), double(engine() % side), double(engine() % 256)});
    return points;
}

// Repeats differ only by the jitter; the slivers between them have inexact
// circles, and no triangle the plain method removes may be missed because of them.
TEST(DelaunayTriangulation, RepeatedPointsGiveThePlainMethodsList)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::vector<NodalPoint> fastPoints = RepeatedLatticePoints(7, 100, seed);
        std::vector<NodalPoint> plainPoints = fastPoints;
        const Triangulation fast = TriangulateNodalPoints(fastPoints, [](size_t) { return true; });
        const Triangulation plain = test::ReferenceTriangulation(plainPoints);
        ASSERT_EQ(fast.outcome, plain.outcome) << "seed " << seed;
        ASSERT_EQ(fast.triangles.size(), plain.triangles.size()) << "seed " << seed;
        for (size_t t = 0; t < fast.triangles.size(); ++t)
            for (int k = 0; k < 3; ++k) ASSERT_EQ(fast.triangles[t].v[k], plain.triangles[t].v[k]) << "seed " << seed;
    }
}

// Scattered points where now and then one repeats an earlier one: each repeat
// leaves slivers behind that later insertions must still find.
TEST(DelaunayTriangulation, OccasionalRepeatsAmongScatteredPointsGiveThePlainMethodsList)
{
    std::mt19937 engine(7);
    std::uniform_real_distribution<double> coordinate(0.0, 300.0);
    std::vector<NodalPoint> fastPoints;
    for (size_t i = 0; i < 2000; ++i) {
        if (i > 0 && engine() % 50 == 0) fastPoints.push_back(fastPoints[engine() % fastPoints.size()]);
        else fastPoints.push_back({coordinate(engine), coordinate(engine), 1.0});
    }
    std::vector<NodalPoint> plainPoints = fastPoints;
    const Triangulation fast = TriangulateNodalPoints(fastPoints, [](size_t) { return true; });
    const Triangulation plain = test::ReferenceTriangulation(plainPoints);
    ASSERT_EQ(fast.triangles.size(), plain.triangles.size());
    for (size_t t = 0; t < fast.triangles.size(); ++t)
        for (int k = 0; k < 3; ++k) ASSERT_EQ(fast.triangles[t].v[k], plain.triangles[t].v[k]) << "triangle " << t;
}

}  // namespace
}  // namespace vistagon
