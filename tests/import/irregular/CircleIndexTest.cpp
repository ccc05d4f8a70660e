#include "import/irregular/CellLists.h"
#include "import/irregular/CircleIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <vector>

namespace vistagon {
namespace {

// Random pushes and removals over a few cells, checked against plain multisets:
// growing, emptied and reused blocks must never mix up two lists.
TEST(CellLists, KeepEveryListsItemsThroughGrowthAndReuse)
{
    std::mt19937 engine(11);
    CellLists<int> lists(7);
    std::vector<std::multiset<int>> model(7);
    for (int step = 0; step < 20000; ++step) {
        const size_t cell = engine() % 7;
        if (engine() % 3 != 0 || model[cell].empty()) {
            const int item = static_cast<int>(engine() % 50);
            lists.Push(cell, item);
            model[cell].insert(item);
        } else {
            const int item = *std::next(model[cell].begin(), static_cast<long>(engine() % model[cell].size()));
            lists.RemoveFirst(cell, [item](int i) { return i == item; });
            model[cell].erase(model[cell].find(item));
        }
        if (step % 500 != 0) continue;
        for (size_t c = 0; c < 7; ++c) {
            const std::multiset<int> held(lists.begin(c), lists.end(c));
            ASSERT_EQ(held, model[c]) << "cell " << c << " step " << step;
            ASSERT_EQ(lists.empty(c), model[c].empty());
        }
    }
}

struct Placed {
    Circumcircle circle;
    uint32_t place;
};

// Circles of every size around and beyond the bounds 0 ... 100, some far
// away, some huge, a few infinite or NaN.
Circumcircle RandomCircle(std::mt19937& engine)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double kind = unit(engine);
    const double cx = -50.0 + 200.0 * unit(engine);
    const double cy = -50.0 + 200.0 * unit(engine);
    if (kind < 0.02) return {cx, cy, std::numeric_limits<double>::infinity()};
    if (kind < 0.03) return {std::nan(""), cy, 4.0};
    if (kind < 0.10) {  // passes by a far corner, as the enclosing triangle's do
        const double far = 1000.0 + 5000.0 * unit(engine);
        const double r = far + 60.0 * unit(engine);
        return {50.0 - far, cy, r * r};
    }
    const double r = std::pow(10.0, -2.0 + 4.0 * unit(engine));
    return {cx, cy, r * r};
}

std::set<int> Holding(const CircleIndex& index, const PlanePoint& p)
{
    std::set<int> found;
    index.ForEachHolding(p, [&found](const CircleHit& hit) { EXPECT_TRUE(found.insert(hit.slot).second) << "twice"; });
    return found;
}

// Whatever the sizes, a lookup finds exactly the circles the containment test
// accepts, each once, also after removals: in the pyramid, in the coverage or
// in the list every lookup tests. With few points announced the pyramid has a
// single grid and nearly every circle is a large one.
TEST(CircleIndex, FindsExactlyTheCirclesThatHoldThePoint)
{
    for (const size_t announced : {size_t{3}, size_t{5000}}) {
        std::mt19937 engine(static_cast<unsigned>(announced));
        CircleIndex index(0.0, 0.0, 100.0, 100.0, announced);
        std::map<int, Placed> live;
        int nextSlot = 0;
        std::uniform_real_distribution<double> position(-5.0, 105.0);
        for (int round = 0; round < 40; ++round) {
            for (int k = 0; k < 150; ++k) {
                const Circumcircle circle = RandomCircle(engine);
                live[nextSlot] = {circle, index.Add(nextSlot, circle)};
                ++nextSlot;
            }
            for (auto it = live.begin(); it != live.end();) {
                if (engine() % 3 != 0) {
                    ++it;
                    continue;
                }
                index.Remove(it->second.place, {it->second.circle, it->first});
                it = live.erase(it);
            }
            for (int q = 0; q < 30; ++q) {
                const PlanePoint p{position(engine), position(engine)};
                std::set<int> expected;
                for (const auto& [slot, placed] : live)
                    if (placed.circle.Contains(p)) expected.insert(slot);
                ASSERT_EQ(Holding(index, p), expected) << "round " << round;
            }
        }
    }
}

// Points on the very edges of the bounds and of the cells, inside circles that
// just reach them.
TEST(CircleIndex, FindsCirclesThatJustReachACellEdge)
{
    CircleIndex index(0.0, 0.0, 64.0, 64.0, 20000);
    std::vector<Placed> placed;
    for (int i = 0; i <= 64; i += 4) {
        const double x = i;
        const Circumcircle circles[] = {{x - 0.5, 10.0, 0.25}, {x + 0.5, 10.0, 0.25}, {10.0, x - 3.0, 9.0}, {x, -40.0, 2500.0}};
        for (const Circumcircle& c : circles) placed.push_back({c, index.Add(static_cast<int>(placed.size()), c)});
    }
    for (int i = 0; i <= 64; i += 4) {
        for (const PlanePoint p : {PlanePoint{double(i), 10.0}, PlanePoint{10.0, double(i)}, PlanePoint{double(i), 10.0 + 1e-12}}) {
            std::set<int> expected;
            for (size_t s = 0; s < placed.size(); ++s)
                if (placed[s].circle.Contains(p)) expected.insert(static_cast<int>(s));
            ASSERT_EQ(Holding(index, p), expected) << p.x << " " << p.y;
        }
    }
}

// More circles hold one point than a lookup notes at once: all are found.
TEST(CircleIndex, FindsEveryOneOfManyCirclesThatHoldAPoint)
{
    CircleIndex index(0.0, 0.0, 100.0, 100.0, 100000);
    std::set<int> expected;
    for (int slot = 0; slot < 300; ++slot) {
        const Circumcircle circle{50.0 + 0.001 * (slot % 17), 50.0, 0.04 + 0.0001 * slot};
        index.Add(slot, circle);
        if (circle.Contains({50.0, 50.0})) expected.insert(slot);
    }
    EXPECT_EQ(expected.size(), 300u);
    EXPECT_EQ(Holding(index, {50.0, 50.0}), expected);
}

}  // namespace
}  // namespace vistagon
