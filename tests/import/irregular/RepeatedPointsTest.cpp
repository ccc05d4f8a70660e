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

// Repeats differ only by the jitter; the slivers between them must not make the
// walk miss a triangle that the plain method removes.
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

}  // namespace
}  // namespace vistagon
