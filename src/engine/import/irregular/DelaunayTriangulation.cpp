#include "import/irregular/DelaunayTriangulation.h"

#include "import/irregular/Circumcircle.h"
#include "import/irregular/JitterRandom.h"
#include "import/irregular/CircleIndex.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>

namespace vistagon {

namespace {

constexpr double kEnclosingRadius2 = 3.4028234663852886e38;
constexpr double kJitterFraction = 0.00001;
constexpr double kMinDoubledArea = 0.00001;

// Edge k of a triangle joins these two of its vertices, keeping their order.
constexpr int kEdgeEnds[3][2] = {{0, 1}, {0, 2}, {1, 2}};

struct Bounds {
    double minX = HUGE_VAL;
    double minY = HUGE_VAL;
    double maxX = -HUGE_VAL;
    double maxY = -HUGE_VAL;
};

Bounds BoundsOf(const std::vector<NodalPoint>& points)
{
    Bounds b;
    for (const NodalPoint& p : points) {
        b.minX = std::min(b.minX, p.x);
        b.maxX = std::max(b.maxX, p.x);
        b.minY = std::min(b.minY, p.y);
        b.maxY = std::max(b.maxY, p.y);
    }
    return b;
}

// The jitter moves each coordinate by (0.5 - r / 2147483647) x eps.
void Jitter(std::vector<NodalPoint>& points, double eps)
{
    JitterRandom random;
    for (NodalPoint& p : points) {
        p.x += (0.5 - random.Next() / 2147483647.0) * eps;
        p.y += (0.5 - random.Next() / 2147483647.0) * eps;
    }
}

struct MeshTriangle {
    int v[3] = {-1, -1, -1};  // v[0] < 0 marks a free slot
    Circumcircle circle;
    uint64_t order = 0;        // position in the triangle list
    uint32_t generation = 0;   // counts the uses of the slot
    int testedFor = -1;        // the last point tested against the circle

    bool live() const { return v[0] >= 0; }
};

// An edge of the removed triangles, in its triangle's vertex order.
struct CavityEdge {
    int a;
    int b;
};

// The insertion tests a point against exactly the circles the definition tests
// it against (every triangle's), but finds the few that can hold it through a
// grid of circle boxes, so it does not slow down with the number of
// triangles. It relies on no neighbour relation, which the inexact circles of
// slivers between repeated points would break.
class IncrementalDelaunay {
public:
    IncrementalDelaunay(std::vector<NodalPoint>& points, const Bounds& bounds)
        : real_(points.size()), index_(bounds.minX, bounds.minY, bounds.maxX, bounds.maxY, points.size())
    {
        vertices_.reserve(real_ + 3);
        for (const NodalPoint& p : points) vertices_.push_back({p.x, p.y});
        triangles_.reserve(2 * real_ + kSpareTriangles + 1);
        AddEnclosingTriangle(bounds);
    }

    TriangulationOutcome Insert(int point);
    std::vector<DelaunayTriangle> Result() const;

private:
    void AddEnclosingTriangle(const Bounds& bounds);
    bool Current(CircleIndex::Entry entry) const;
    void CollectConflicts(int point);
    bool CollectEdges();
    void Replace(int point);
    int NewSlot();
    void AddTriangle(int a, int b, int c, const Circumcircle& circle);

    size_t real_;
    std::vector<PlanePoint> vertices_;
    std::vector<MeshTriangle> triangles_;
    std::vector<int> freeSlots_;
    CircleIndex index_;
    uint64_t nextOrder_ = 0;
    size_t live_ = 0;

    std::vector<int> cavity_;
    std::vector<CavityEdge> edges_;
};

void IncrementalDelaunay::AddEnclosingTriangle(const Bounds& b)
{
    const double rangeX = b.maxX - b.minX;
    const double rangeY = b.maxY - b.minY;
    vertices_.push_back({b.minX + 50.0 * rangeX, b.minY - 10.0 * rangeY});
    vertices_.push_back({b.minX - 10.0 * rangeX, b.minY + 50.0 * rangeY});
    vertices_.push_back({b.minX - 10.0 * rangeX, b.minY - 10.0 * rangeY});
    const int first = static_cast<int>(real_);
    // Its circle holds every point.
    AddTriangle(first, first + 1, first + 2, Circumcircle{0.0, 0.0, kEnclosingRadius2});
}

bool IncrementalDelaunay::Current(CircleIndex::Entry entry) const
{
    const MeshTriangle& tri = triangles_[static_cast<size_t>(entry.slot)];
    return tri.live() && tri.generation == entry.generation;
}

// Every triangle whose circle holds the point; a triangle met twice is tested once.
void IncrementalDelaunay::CollectConflicts(int point)
{
    cavity_.clear();
    const PlanePoint& p = vertices_[static_cast<size_t>(point)];
    index_.ForEachCandidate(
        p, [this](CircleIndex::Entry entry) { return Current(entry); },
        [this, point, &p](int slot) {
            MeshTriangle& tri = triangles_[static_cast<size_t>(slot)];
            if (tri.testedFor == point) return;
            tri.testedFor = point;
            if (tri.circle.Contains(p)) cavity_.push_back(slot);
        });
}

// The edges of the removed triangles in list order; an edge met a second time
// leaves the collection. False when the collection would exceed its capacity.
bool IncrementalDelaunay::CollectEdges()
{
    std::sort(cavity_.begin(), cavity_.end(), [this](int a, int b) {
        return triangles_[static_cast<size_t>(a)].order < triangles_[static_cast<size_t>(b)].order;
    });
    edges_.clear();
    for (const int t : cavity_) {
        const MeshTriangle& tri = triangles_[static_cast<size_t>(t)];
        for (int k = 0; k < 3; ++k) {
            const int a = tri.v[kEdgeEnds[k][0]];
            const int b = tri.v[kEdgeEnds[k][1]];
            const auto same = std::find_if(edges_.begin(), edges_.end(),
                                           [a, b](const CavityEdge& e) { return e.a == a && e.b == b; });
            if (same != edges_.end()) {
                edges_.erase(same);
                continue;
            }
            if (edges_.size() == kMaxCavityEdges) return false;
            edges_.push_back({a, b});
        }
    }
    return true;
}

int IncrementalDelaunay::NewSlot()
{
    if (!freeSlots_.empty()) {
        const int slot = freeSlots_.back();
        freeSlots_.pop_back();
        return slot;
    }
    triangles_.emplace_back();
    return static_cast<int>(triangles_.size()) - 1;
}

void IncrementalDelaunay::AddTriangle(int a, int b, int c, const Circumcircle& circle)
{
    const int slot = NewSlot();
    MeshTriangle& tri = triangles_[static_cast<size_t>(slot)];
    tri.v[0] = a;
    tri.v[1] = b;
    tri.v[2] = c;
    tri.circle = circle;
    tri.order = nextOrder_++;
    tri.testedFor = -1;
    ++tri.generation;
    ++live_;
    index_.Add({slot, tri.generation}, circle);
}

// Removes the cavity and fans the point to its edges in collection order;
// each new triangle keeps its edge's vertex order and puts the point last.
void IncrementalDelaunay::Replace(int point)
{
    for (const int t : cavity_) {
        triangles_[static_cast<size_t>(t)].v[0] = -1;
        freeSlots_.push_back(t);
    }
    live_ -= cavity_.size();
    const PlanePoint& p = vertices_[static_cast<size_t>(point)];
    for (const CavityEdge& e : edges_)
        AddTriangle(e.a, e.b, point, CircleThrough(vertices_[static_cast<size_t>(e.a)], vertices_[static_cast<size_t>(e.b)], p));
    index_.SweepWhenCrowded([this](CircleIndex::Entry entry) { return Current(entry); });
}

TriangulationOutcome IncrementalDelaunay::Insert(int point)
{
    CollectConflicts(point);
    if (cavity_.empty()) return TriangulationOutcome::Complete;
    if (!CollectEdges()) return TriangulationOutcome::StorageExceeded;
    Replace(point);
    if (live_ > 2 * real_ + kSpareTriangles) return TriangulationOutcome::StorageExceeded;
    return TriangulationOutcome::Complete;
}

std::vector<DelaunayTriangle> IncrementalDelaunay::Result() const
{
    std::vector<const MeshTriangle*> listed;
    for (const MeshTriangle& tri : triangles_)
        if (tri.live() && static_cast<size_t>(tri.v[0]) < real_) listed.push_back(&tri);
    std::sort(listed.begin(), listed.end(), [](const MeshTriangle* a, const MeshTriangle* b) { return a->order < b->order; });
    std::vector<DelaunayTriangle> result;
    result.reserve(listed.size());
    for (const MeshTriangle* tri : listed) {
        const PlanePoint& v0 = vertices_[static_cast<size_t>(tri->v[0])];
        const PlanePoint& v1 = vertices_[static_cast<size_t>(tri->v[1])];
        const PlanePoint& v2 = vertices_[static_cast<size_t>(tri->v[2])];
        const double doubledArea = (v0.x - v2.x) * (v1.y - v2.y) - (v0.y - v2.y) * (v1.x - v2.x);
        if (!(std::fabs(doubledArea) > kMinDoubledArea)) continue;
        if (doubledArea >= 0.0) result.push_back({{tri->v[0], tri->v[1], tri->v[2]}});
        else result.push_back({{tri->v[0], tri->v[2], tri->v[1]}});
    }
    return result;
}

}  // namespace

Triangulation TriangulateNodalPoints(std::vector<NodalPoint>& points, const InsertionCheckpoint& checkpoint)
{
    Triangulation result;
    if (points.empty()) return result;
    const Bounds bounds = BoundsOf(points);
    Jitter(points, kJitterFraction * std::max(bounds.maxX - bounds.minX, bounds.maxY - bounds.minY));
    try {
        IncrementalDelaunay mesh(points, bounds);
        for (size_t i = 0; i < points.size() && result.outcome == TriangulationOutcome::Complete; ++i) {
            if (!checkpoint(i)) result.outcome = TriangulationOutcome::Cancelled;
            else result.outcome = mesh.Insert(static_cast<int>(i));
        }
        result.triangles = mesh.Result();
    } catch (const std::bad_alloc&) {
        result.outcome = TriangulationOutcome::OutOfMemory;
        result.triangles.clear();
    }
    return result;
}

}  // namespace vistagon
