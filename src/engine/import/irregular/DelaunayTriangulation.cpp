#include "import/irregular/DelaunayTriangulation.h"

#include "import/irregular/Circumcircle.h"
#include "import/irregular/JitterRandom.h"
#include "import/irregular/LargePageAllocator.h"
#include "import/irregular/CircleIndex.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <new>
#include <optional>

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
    uint32_t place = 0;        // where its circle stands in the index
    uint64_t order = 0;        // position in the triangle list

    bool live() const { return v[0] >= 0; }
};

// An edge of the removed triangles, in its triangle's vertex order.
struct CavityEdge {
    int a;
    int b;
};

// The insertion tests a point against exactly the circles the definition tests
// it against (every triangle's), but finds those that hold it through grids
// of circle boxes, so it does not slow down with the number of triangles. It
// relies on no neighbour relation, which the inexact circles of slivers
// between repeated points would break.
class IncrementalDelaunay {
public:
    IncrementalDelaunay(const std::vector<NodalPoint>& points, const Bounds& bounds)
        : points_(points), real_(points.size())
    {
        index_.emplace(bounds.minX, bounds.minY, bounds.maxX, bounds.maxY, points.size());
        triangles_.reserve(2 * real_ + kSpareTriangles + 1);
        AddEnclosingTriangle(bounds);
    }

    TriangulationOutcome Insert(int point);
    // The index is not needed for the result; its memory goes first.
    void ReleaseIndex() { index_.reset(); }
    // Destroys the mesh.
    std::vector<DelaunayTriangle> Result();

private:
    PlanePoint Vertex(int i) const
    {
        if (static_cast<size_t>(i) < real_) return {points_[static_cast<size_t>(i)].x, points_[static_cast<size_t>(i)].y};
        return corners_[static_cast<size_t>(i) - real_];
    }
    void PrefetchVertex(int i) const
    {
        if (static_cast<size_t>(i) < real_) __builtin_prefetch(&points_[static_cast<size_t>(i)]);
    }
    void AddEnclosingTriangle(const Bounds& bounds);
    bool Orient(MeshTriangle& tri) const;
    bool CollectEdges();
    void Replace(int point);
    int NewSlot();
    void AddTriangle(int a, int b, int c, const Circumcircle& circle);

    const std::vector<NodalPoint>& points_;
    size_t real_;
    PlanePoint corners_[3];
    std::vector<MeshTriangle, LargePageAllocator<MeshTriangle>> triangles_;
    std::vector<int> freeSlots_;
    std::optional<CircleIndex> index_;
    uint64_t nextOrder_ = 0;
    size_t live_ = 0;

    std::vector<CircleIndex::Hit> cavity_;
    std::vector<CavityEdge> edges_;
};

void IncrementalDelaunay::AddEnclosingTriangle(const Bounds& b)
{
    const double rangeX = b.maxX - b.minX;
    const double rangeY = b.maxY - b.minY;
    corners_[0] = {b.minX + 50.0 * rangeX, b.minY - 10.0 * rangeY};
    corners_[1] = {b.minX - 10.0 * rangeX, b.minY + 50.0 * rangeY};
    corners_[2] = {b.minX - 10.0 * rangeX, b.minY - 10.0 * rangeY};
    const int first = static_cast<int>(real_);
    // Its circle holds every point.
    AddTriangle(first, first + 1, first + 2, Circumcircle{0.0, 0.0, kEnclosingRadius2});
}

// The edges of the removed triangles in list order; an edge met a second time
// leaves the collection. False when the collection would exceed its capacity.
bool IncrementalDelaunay::CollectEdges()
{
    for (const CircleIndex::Hit& hit : cavity_)
        for (const int v : triangles_[static_cast<size_t>(hit.slot)].v) PrefetchVertex(v);
    std::sort(cavity_.begin(), cavity_.end(), [this](const CircleIndex::Hit& a, const CircleIndex::Hit& b) {
        return triangles_[static_cast<size_t>(a.slot)].order < triangles_[static_cast<size_t>(b.slot)].order;
    });
    edges_.clear();
    for (const CircleIndex::Hit& hit : cavity_) {
        const MeshTriangle& tri = triangles_[static_cast<size_t>(hit.slot)];
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
    tri.order = nextOrder_++;
    tri.place = index_->Add(slot, circle);
    ++live_;
}

// Removes the cavity and fans the point to its edges in collection order;
// each new triangle keeps its edge's vertex order and puts the point last.
void IncrementalDelaunay::Replace(int point)
{
    for (const CircleIndex::Hit& hit : cavity_) {
        MeshTriangle& tri = triangles_[static_cast<size_t>(hit.slot)];
        index_->Remove(tri.place, hit);
        tri.v[0] = -1;
        freeSlots_.push_back(hit.slot);
    }
    live_ -= cavity_.size();
    const PlanePoint p = Vertex(point);
    for (const CavityEdge& e : edges_) AddTriangle(e.a, e.b, point, CircleThrough(Vertex(e.a), Vertex(e.b), p));
}

TriangulationOutcome IncrementalDelaunay::Insert(int point)
{
    cavity_.clear();
    index_->ForEachHolding(Vertex(point), [this](const CircleIndex::Hit& hit) {
        __builtin_prefetch(&triangles_[static_cast<size_t>(hit.slot)]);
        cavity_.push_back(hit);
    });
    if (cavity_.empty()) return TriangulationOutcome::Complete;
    if (!CollectEdges()) return TriangulationOutcome::StorageExceeded;
    Replace(point);
    if (live_ > 2 * real_ + kSpareTriangles) return TriangulationOutcome::StorageExceeded;
    return TriangulationOutcome::Complete;
}

// Keeps the triangle if it has no enclosing corner and is not too thin,
// turning it counterclockwise.
bool IncrementalDelaunay::Orient(MeshTriangle& tri) const
{
    if (!tri.live() || static_cast<size_t>(tri.v[0]) >= real_) return false;
    const PlanePoint v0 = Vertex(tri.v[0]);
    const PlanePoint v1 = Vertex(tri.v[1]);
    const PlanePoint v2 = Vertex(tri.v[2]);
    const double doubledArea = (v0.x - v2.x) * (v1.y - v2.y) - (v0.y - v2.y) * (v1.x - v2.x);
    if (!(std::fabs(doubledArea) > kMinDoubledArea)) return false;
    if (doubledArea < 0.0) std::swap(tri.v[1], tri.v[2]);
    return true;
}

// The kept triangles in list order. Their positions in the list are marked in
// a bitmap; the marks below a triangle's own give its place, so no sort is needed.
std::vector<DelaunayTriangle> IncrementalDelaunay::Result()
{
    constexpr uint64_t kWord = 64;
    std::vector<uint64_t> kept((nextOrder_ + kWord - 1) / kWord);
    for (MeshTriangle& tri : triangles_)
        if (Orient(tri)) kept[tri.order / kWord] |= uint64_t{1} << (tri.order % kWord);
        else tri.v[0] = -1;
    std::vector<size_t> below(kept.size());
    size_t count = 0;
    for (size_t w = 0; w < kept.size(); ++w) {
        below[w] = count;
        count += static_cast<size_t>(std::popcount(kept[w]));
    }
    std::vector<DelaunayTriangle> result(count);
    for (const MeshTriangle& tri : triangles_) {
        if (!tri.live()) continue;
        const uint64_t word = tri.order / kWord;
        const uint64_t lower = kept[word] & ((uint64_t{1} << (tri.order % kWord)) - 1);
        result[below[word] + static_cast<size_t>(std::popcount(lower))] = {{tri.v[0], tri.v[1], tri.v[2]}};
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
        mesh.ReleaseIndex();
        result.triangles = mesh.Result();
    } catch (const std::bad_alloc&) {
        result.outcome = TriangulationOutcome::OutOfMemory;
        result.triangles.clear();
    }
    return result;
}

}  // namespace vistagon
