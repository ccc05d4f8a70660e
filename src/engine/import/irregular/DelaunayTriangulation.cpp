#include "import/irregular/DelaunayTriangulation.h"

#include "import/irregular/Circumcircle.h"
#include "import/irregular/JitterRandom.h"
#include "import/irregular/PointLocator.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>

namespace vistagon {

namespace {

constexpr double kEnclosingRadius2 = 3.4028234663852886e38;
constexpr double kJitterFraction = 0.00001;
constexpr double kMinDoubledArea = 0.00001;
// Points closer than this fraction of the larger range are repeats of one point
// told apart only by the jitter. Their slivers have circles too inexact for the
// conflict region to stay connected, so the walk would miss triangles.
constexpr double kRepeatFraction = 1e-8;

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

double Orientation(const PlanePoint& a, const PlanePoint& b, const PlanePoint& c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

struct MeshTriangle {
    int v[3] = {-1, -1, -1};  // v[0] < 0 marks a free slot
    int next[3] = {-1, -1, -1};  // the neighbour across edge k
    Circumcircle circle;
    uint64_t order = 0;  // position in the triangle list
    int testedFor = -1;  // the point for which `conflict` holds
    bool conflict = false;

    bool live() const { return v[0] >= 0; }
    bool Has(int vertex) const { return live() && (v[0] == vertex || v[1] == vertex || v[2] == vertex); }
};

// An edge around the removed triangles, with the triangle beyond it.
struct CavityEdge {
    int a;
    int b;
    int outside;
};

// One end of a cavity edge: the new triangle of that edge meets the new triangle
// of the other edge at this vertex across its edge `side`.
struct EdgeEnd {
    int vertex;
    int edge;
    int side;
};

class IncrementalDelaunay {
public:
    IncrementalDelaunay(std::vector<NodalPoint>& points, const Bounds& bounds)
        : real_(points.size()), locator_(bounds.minX, bounds.minY, bounds.maxX, bounds.maxY, points.size())
    {
        const double repeat = kRepeatFraction * std::max(bounds.maxX - bounds.minX, bounds.maxY - bounds.minY);
        repeatDistance2_ = repeat * repeat;
        vertices_.reserve(real_ + 3);
        for (const NodalPoint& p : points) vertices_.push_back({p.x, p.y});
        AddEnclosingTriangle(bounds);
        incident_.assign(real_ + 3, 0);
        triangles_.reserve(2 * real_ + kSpareTriangles + 1);
    }

    TriangulationOutcome Insert(int point);
    std::vector<DelaunayTriangle> Result() const;

private:
    void AddEnclosingTriangle(const Bounds& bounds);
    int Locate(const PlanePoint& p) const;
    int Walk(int start, const PlanePoint& p) const;
    bool Conflicts(int triangle, int point);
    bool RepeatsAVertexOf(int triangle, const PlanePoint& p) const;
    void GrowCavity(int seed, int point);
    void CollectAllConflicts(int point);
    bool CollectEdges();
    bool EdgesFormOneCycle(int point);
    void Replace(int point, bool linked);
    int NewSlot();
    void Relink(int outside, int a, int b, int triangle);

    size_t real_;
    std::vector<PlanePoint> vertices_;
    std::vector<MeshTriangle> triangles_;
    std::vector<int> freeSlots_;
    std::vector<int> incident_;  // a triangle at each vertex, when it still has one
    PointLocator locator_;
    uint64_t nextOrder_ = 0;
    double repeatDistance2_ = 0.0;
    size_t live_ = 0;
    int lastMade_ = 0;
    // Once the triangles around a point did not form a disc the neighbour links
    // cannot be trusted, and once a point repeats another the circles cannot:
    // from then on every insertion tests every triangle.
    bool exhaustive_ = false;

    std::vector<int> cavity_;
    std::vector<CavityEdge> edges_;
    std::vector<EdgeEnd> ends_;
    std::vector<int> partners_;
};

void IncrementalDelaunay::AddEnclosingTriangle(const Bounds& b)
{
    const double rangeX = b.maxX - b.minX;
    const double rangeY = b.maxY - b.minY;
    vertices_.push_back({b.minX + 50.0 * rangeX, b.minY - 10.0 * rangeY});
    vertices_.push_back({b.minX - 10.0 * rangeX, b.minY + 50.0 * rangeY});
    vertices_.push_back({b.minX - 10.0 * rangeX, b.minY - 10.0 * rangeY});
    MeshTriangle enclosing;
    for (int k = 0; k < 3; ++k) enclosing.v[k] = static_cast<int>(real_) + k;
    // Its circle holds every point.
    enclosing.circle = Circumcircle{0.0, 0.0, kEnclosingRadius2};
    enclosing.order = nextOrder_++;
    triangles_.push_back(enclosing);
    live_ = 1;
}

int IncrementalDelaunay::Locate(const PlanePoint& p) const
{
    const int near = locator_.Near(p, [this](int vertex) {
        const int t = incident_[static_cast<size_t>(vertex)];
        return triangles_[static_cast<size_t>(t)].Has(vertex);
    });
    const int start = near >= 0 ? incident_[static_cast<size_t>(near)] : lastMade_;
    return Walk(start, p);
}

// Steps to the neighbour beyond an edge that separates the triangle from p
// until none does. -1 when the walk does not settle (a broken mesh).
int IncrementalDelaunay::Walk(int start, const PlanePoint& p) const
{
    int t = start;
    for (size_t step = 0; step <= live_ + 3; ++step) {
        const MeshTriangle& tri = triangles_[static_cast<size_t>(t)];
        const PlanePoint* v[3] = {&vertices_[static_cast<size_t>(tri.v[0])], &vertices_[static_cast<size_t>(tri.v[1])],
                                  &vertices_[static_cast<size_t>(tri.v[2])]};
        const double turn = Orientation(*v[0], *v[1], *v[2]);
        if (!(turn != 0.0)) return t;  // a flat triangle has no inside to walk by
        int beyond = -1;
        for (int i = 0; i < 3 && beyond < 0; ++i) {
            const int k = static_cast<int>((step + static_cast<size_t>(i)) % 3);
            double side = Orientation(*v[kEdgeEnds[k][0]], *v[kEdgeEnds[k][1]], p);
            if (k == 1) side = -side;  // edge (v0, v2) runs against the triangle's turn
            if (turn > 0.0 ? side < 0.0 : side > 0.0) beyond = k;
        }
        if (beyond < 0 || tri.next[beyond] < 0) return t;
        t = tri.next[beyond];
    }
    return -1;
}

// A point repeated in the input lands in a triangle at its first copy.
bool IncrementalDelaunay::RepeatsAVertexOf(int triangle, const PlanePoint& p) const
{
    for (const int vertex : triangles_[static_cast<size_t>(triangle)].v) {
        const PlanePoint& v = vertices_[static_cast<size_t>(vertex)];
        const double dx = v.x - p.x;
        const double dy = v.y - p.y;
        if (dx * dx + dy * dy <= repeatDistance2_) return true;
    }
    return false;
}

bool IncrementalDelaunay::Conflicts(int triangle, int point)
{
    MeshTriangle& tri = triangles_[static_cast<size_t>(triangle)];
    if (tri.testedFor != point) {
        tri.testedFor = point;
        tri.conflict = tri.circle.Contains(vertices_[static_cast<size_t>(point)]);
    }
    return tri.conflict;
}

// The conflicting triangles connected to the seed through their edges.
void IncrementalDelaunay::GrowCavity(int seed, int point)
{
    cavity_.push_back(seed);
    for (size_t i = 0; i < cavity_.size(); ++i) {
        const MeshTriangle& tri = triangles_[static_cast<size_t>(cavity_[i])];
        for (const int neighbour : tri.next) {
            if (neighbour < 0 || triangles_[static_cast<size_t>(neighbour)].testedFor == point) continue;
            if (Conflicts(neighbour, point)) cavity_.push_back(neighbour);
        }
    }
}

void IncrementalDelaunay::CollectAllConflicts(int point)
{
    cavity_.clear();
    for (size_t t = 0; t < triangles_.size(); ++t)
        if (triangles_[t].live() && Conflicts(static_cast<int>(t), point)) cavity_.push_back(static_cast<int>(t));
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
            edges_.push_back({a, b, tri.next[k]});
        }
    }
    return true;
}

// True when the edges close into one ring whose outside triangles were kept:
// then the new fan can be linked to its neighbours.
bool IncrementalDelaunay::EdgesFormOneCycle(int point)
{
    ends_.clear();
    if (edges_.empty()) return false;  // removed triangles that close on themselves: no ring
    for (size_t j = 0; j < edges_.size(); ++j) {
        const CavityEdge& e = edges_[j];
        if (e.outside >= 0 && Conflicts(e.outside, point)) return false;
        ends_.push_back({e.a, static_cast<int>(j), 1});
        ends_.push_back({e.b, static_cast<int>(j), 2});
    }
    std::sort(ends_.begin(), ends_.end(), [](const EdgeEnd& l, const EdgeEnd& r) { return l.vertex < r.vertex; });
    for (size_t i = 0; i < ends_.size(); i += 2) {
        if (ends_[i].vertex != ends_[i + 1].vertex) return false;
        if (i + 2 < ends_.size() && ends_[i + 2].vertex == ends_[i].vertex) return false;
    }
    // Every vertex joins two edges; follow the ring from edge 0 and count its edges.
    std::vector<int>& partner = partners_;  // (edge, end) -> the other edge at that vertex
    partner.assign(ends_.size(), -1);
    for (size_t i = 0; i < ends_.size(); i += 2) {
        partner[static_cast<size_t>(ends_[i].edge * 2 + ends_[i].side - 1)] = ends_[i + 1].edge;
        partner[static_cast<size_t>(ends_[i + 1].edge * 2 + ends_[i + 1].side - 1)] = ends_[i].edge;
    }
    size_t length = 0;
    int edge = 0;
    int vertex = edges_[0].b;
    do {
        const int nextEdge = partner[static_cast<size_t>(edge * 2 + (edges_[static_cast<size_t>(edge)].b == vertex ? 1 : 0))];
        const CavityEdge& e = edges_[static_cast<size_t>(nextEdge)];
        vertex = e.a == vertex ? e.b : e.a;
        edge = nextEdge;
        ++length;
    } while (edge != 0 && length <= edges_.size());
    return length == edges_.size();
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

// The triangle beyond a cavity edge now borders the new triangle there.
void IncrementalDelaunay::Relink(int outside, int a, int b, int triangle)
{
    MeshTriangle& tri = triangles_[static_cast<size_t>(outside)];
    for (int k = 0; k < 3; ++k)
        if (tri.v[kEdgeEnds[k][0]] == a && tri.v[kEdgeEnds[k][1]] == b) tri.next[k] = triangle;
}

// Removes the cavity and fans the point to its edges in collection order;
// each new triangle keeps its edge's vertex order and puts the point last.
void IncrementalDelaunay::Replace(int point, bool linked)
{
    for (const int t : cavity_) {
        triangles_[static_cast<size_t>(t)].v[0] = -1;
        freeSlots_.push_back(t);
    }
    live_ = live_ - cavity_.size() + edges_.size();
    const PlanePoint& p = vertices_[static_cast<size_t>(point)];
    std::vector<int>& made = cavity_;  // the removed slots are no longer needed
    made.clear();
    for (const CavityEdge& e : edges_) {
        const int slot = NewSlot();
        MeshTriangle& tri = triangles_[static_cast<size_t>(slot)];
        tri = MeshTriangle{};
        tri.v[0] = e.a;
        tri.v[1] = e.b;
        tri.v[2] = point;
        tri.circle = CircleThrough(vertices_[static_cast<size_t>(e.a)], vertices_[static_cast<size_t>(e.b)], p);
        tri.order = nextOrder_++;
        if (linked) {
            tri.next[0] = e.outside;
            if (e.outside >= 0) Relink(e.outside, e.a, e.b, slot);
        }
        incident_[static_cast<size_t>(e.a)] = incident_[static_cast<size_t>(e.b)] = slot;
        made.push_back(slot);
    }
    if (linked) {
        for (size_t i = 0; i < ends_.size(); i += 2) {
            const EdgeEnd& l = ends_[i];
            const EdgeEnd& r = ends_[i + 1];
            triangles_[static_cast<size_t>(made[static_cast<size_t>(l.edge)])].next[l.side] = made[static_cast<size_t>(r.edge)];
            triangles_[static_cast<size_t>(made[static_cast<size_t>(r.edge)])].next[r.side] = made[static_cast<size_t>(l.edge)];
        }
    }
    if (made.empty()) return;  // all edges cancelled out: the point joins no triangle
    incident_[static_cast<size_t>(point)] = lastMade_ = made.back();
    locator_.Remember(point, p);
}

TriangulationOutcome IncrementalDelaunay::Insert(int point)
{
    cavity_.clear();
    if (!exhaustive_) {
        const PlanePoint& p = vertices_[static_cast<size_t>(point)];
        const int located = Locate(p);
        if (located >= 0 && RepeatsAVertexOf(located, p)) exhaustive_ = true;
        else if (located >= 0 && Conflicts(located, point)) GrowCavity(located, point);
    }
    // No circle found near the point: test them all, as the insertion is defined.
    if (cavity_.empty()) CollectAllConflicts(point);
    if (cavity_.empty()) return TriangulationOutcome::Complete;
    if (!CollectEdges()) return TriangulationOutcome::StorageExceeded;
    bool linked = false;
    if (!exhaustive_) {
        linked = EdgesFormOneCycle(point);
        if (!linked) {
            exhaustive_ = true;
            CollectAllConflicts(point);
            if (!CollectEdges()) return TriangulationOutcome::StorageExceeded;
        }
    }
    Replace(point, linked);
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
