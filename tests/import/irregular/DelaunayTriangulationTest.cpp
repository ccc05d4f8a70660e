#include "ReferenceTriangulation.h"
#include "import/irregular/DelaunayTriangulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace vistagon {
namespace {

Triangulation Fast(std::vector<NodalPoint>& points)
{
    return TriangulateNodalPoints(points, [](size_t) { return true; });
}

std::vector<NodalPoint> RandomPoints(size_t count, unsigned seed, double size)
{
    std::mt19937 engine(seed);
    std::uniform_real_distribution<double> coordinate(0.0, size);
    std::vector<NodalPoint> points(count);
    for (NodalPoint& p : points) p = {coordinate(engine), coordinate(engine), coordinate(engine)};
    return points;
}

// Every node of a columns x rows lattice, row by row as a TGA delivers them.
std::vector<NodalPoint> LatticePoints(int columns, int rows, int spacing)
{
    std::vector<NodalPoint> points;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x) points.push_back({double(x * spacing), double(y * spacing), double(x + y)});
    return points;
}

// The fast insertion must give the very list the plain method gives: the same
// triangles, vertex order and list order, from the same jittered points.
void ExpectSameAsReference(std::vector<NodalPoint> points)
{
    std::vector<NodalPoint> fastPoints = points;
    const Triangulation fast = Fast(fastPoints);
    const Triangulation reference = test::ReferenceTriangulation(points);
    ASSERT_EQ(fast.outcome, reference.outcome);
    ASSERT_EQ(fast.triangles.size(), reference.triangles.size());
    for (size_t i = 0; i < fast.triangles.size(); ++i)
        for (int k = 0; k < 3; ++k) ASSERT_EQ(fast.triangles[i].v[k], reference.triangles[i].v[k]) << "triangle " << i;
    for (size_t i = 0; i < points.size(); ++i) {
        ASSERT_EQ(fastPoints[i].x, points[i].x);
        ASSERT_EQ(fastPoints[i].y, points[i].y);
    }
}

TEST(DelaunayTriangulation, EqualsThePlainMethodOnRandomPoints)
{
    for (unsigned seed = 1; seed <= 12; ++seed) ExpectSameAsReference(RandomPoints(40 * seed, seed, 500.0));
}

TEST(DelaunayTriangulation, EqualsThePlainMethodOnLattices)
{
    // Lattice points are cocircular four by four; only the jitter decides.
    ExpectSameAsReference(LatticePoints(12, 12, 1));
    ExpectSameAsReference(LatticePoints(25, 7, 3));
    ExpectSameAsReference(LatticePoints(1, 30, 1));
}

TEST(DelaunayTriangulation, EqualsThePlainMethodOnDegenerateInput)
{
    std::vector<NodalPoint> repeated = RandomPoints(60, 99, 50.0);
    for (size_t i = 0; i < 60; i += 3) repeated.push_back(repeated[i]);
    ExpectSameAsReference(repeated);

    std::vector<NodalPoint> line;
    for (int i = 0; i < 80; ++i) line.push_back({i * 1.5, 10.0, 0.0});
    ExpectSameAsReference(line);

    std::vector<NodalPoint> circle;
    for (int i = 0; i < 120; ++i) circle.push_back({100 + 50 * std::cos(i * 0.05236), 100 + 50 * std::sin(i * 0.05236), 1.0});
    circle.push_back({100.0, 100.0, 5.0});
    ExpectSameAsReference(circle);

    ExpectSameAsReference({{3.0, 4.0, 1.0}});
    ExpectSameAsReference({{3.0, 4.0, 1.0}, {3.0, 4.0, 2.0}, {3.0, 4.0, 3.0}});
}

// A dense cloud with a few far outliers and a long thin band: most circles
// are large there, so the coverage of large circles and the list every lookup
// tests decide the list.
TEST(DelaunayTriangulation, EqualsThePlainMethodWhenManyCirclesAreLarge)
{
    std::vector<NodalPoint> points = RandomPoints(1500, 21, 10.0);
    for (int i = 0; i < 12; ++i) points.insert(points.begin() + 100 * i, {1000.0 * (i % 3), 1000.0 * (i / 3 % 2), 5.0});
    ExpectSameAsReference(points);

    std::mt19937 engine(5);
    std::uniform_real_distribution<double> along(0.0, 2000.0), across(0.0, 0.5);
    std::vector<NodalPoint> band;
    for (int i = 0; i < 1500; ++i) band.push_back({along(engine), across(engine), 1.0});
    ExpectSameAsReference(band);
}

TEST(DelaunayTriangulation, EqualsThePlainMethodWhenPointsArriveSorted)
{
    std::vector<NodalPoint> points = RandomPoints(400, 7, 1000.0);
    std::sort(points.begin(), points.end(), [](const NodalPoint& a, const NodalPoint& b) { return a.x < b.x; });
    ExpectSameAsReference(points);
}

TEST(DelaunayTriangulation, GivesCounterclockwiseTrianglesWithEmptyCircles)
{
    std::vector<NodalPoint> points = RandomPoints(300, 3, 100.0);
    const Triangulation result = Fast(points);
    ASSERT_EQ(result.outcome, TriangulationOutcome::Complete);
    // A triangulation of n points in general position with h of them on the hull has 2n - 2 - h triangles.
    EXPECT_GT(result.triangles.size(), 2 * points.size() - 2 - 60);
    for (const DelaunayTriangle& t : result.triangles) {
        const NodalPoint& a = points[t.v[0]];
        const NodalPoint& b = points[t.v[1]];
        const NodalPoint& c = points[t.v[2]];
        ASSERT_GT((a.x - c.x) * (b.y - c.y) - (a.y - c.y) * (b.x - c.x), 0.0);
        // No other point lies clearly inside the circumcircle.
        const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
        const double ux = ((a.x * a.x + a.y * a.y) * (b.y - c.y) + (b.x * b.x + b.y * b.y) * (c.y - a.y) +
                           (c.x * c.x + c.y * c.y) * (a.y - b.y)) / d;
        const double uy = ((a.x * a.x + a.y * a.y) * (c.x - b.x) + (b.x * b.x + b.y * b.y) * (a.x - c.x) +
                           (c.x * c.x + c.y * c.y) * (b.x - a.x)) / d;
        const double r2 = (a.x - ux) * (a.x - ux) + (a.y - uy) * (a.y - uy);
        for (const NodalPoint& p : points)
            ASSERT_GE((p.x - ux) * (p.x - ux) + (p.y - uy) * (p.y - uy), r2 * (1 - 1e-9));
    }
}

TEST(DelaunayTriangulation, JitterMovesEveryCoordinateByAboutHalfEpsilon)
{
    std::vector<NodalPoint> points = {{0, 0, 0}, {200, 0, 0}, {0, 100, 0}};
    Fast(points);
    const double halfEps = 0.00001 * 200 / 2;
    EXPECT_NEAR(points[0].x, halfEps, halfEps * 1e-4);
    EXPECT_NEAR(points[1].x, 200 + halfEps, halfEps * 1e-4);
    EXPECT_NEAR(points[2].y, 100 + halfEps, halfEps * 1e-4);
    EXPECT_NE(points[0].x, points[0].y);  // each coordinate has its own random number
}

TEST(DelaunayTriangulation, ACavityOfMoreThan300EdgesExceedsTheStorage)
{
    auto ring = [](int count) {
        std::vector<NodalPoint> points;
        for (int i = 0; i < count; ++i)
            points.push_back({100 + 90 * std::cos(i * 6.283185307 / count), 100 + 90 * std::sin(i * 6.283185307 / count), 1});
        points.push_back({100, 100, 2});
        return points;
    };
    std::vector<NodalPoint> large = ring(400);
    EXPECT_EQ(Fast(large).outcome, TriangulationOutcome::StorageExceeded);
    std::vector<NodalPoint> small = ring(100);
    EXPECT_EQ(Fast(small).outcome, TriangulationOutcome::Complete);
}

TEST(DelaunayTriangulation, StopsBeforeThePointTheCheckpointRefuses)
{
    std::vector<NodalPoint> points = RandomPoints(50, 5, 10.0);
    std::vector<size_t> asked;
    const Triangulation result = TriangulateNodalPoints(points, [&asked](size_t i) {
        asked.push_back(i);
        return i < 10;
    });
    EXPECT_EQ(result.outcome, TriangulationOutcome::Cancelled);
    EXPECT_EQ(asked.size(), 11u);
    for (const DelaunayTriangle& t : result.triangles)
        for (int v : t.v) EXPECT_LT(v, 10);
}

}  // namespace
}  // namespace vistagon
