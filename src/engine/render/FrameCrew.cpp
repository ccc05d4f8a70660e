#include "render/FrameCrew.h"

#include "render/CellPainter.h"
#include "render/TriangleRaster.h"

#include <algorithm>

namespace vistagon {

namespace {

template <typename T>
void WaitUntilAtLeast(const std::atomic<T>& value, T wanted)
{
    for (T seen = value.load(std::memory_order_acquire); seen < wanted; seen = value.load(std::memory_order_acquire))
        value.wait(seen, std::memory_order_acquire);
}

template <typename T>
void Raise(std::atomic<T>& value, T by)
{
    value.fetch_add(by, std::memory_order_release);
    value.notify_all();
}

}  // namespace

void FrameCrew::Batch::Reset()
{
    cells.clear();
    pieceCount = 0;
    nextPiece.store(0, std::memory_order_relaxed);
    piecesDone.store(0, std::memory_order_relaxed);
    drawnBy.store(0, std::memory_order_relaxed);
}

FrameCrew::FrameCrew(int members) : members_(std::max(members, 1))
{
    for (Batch& batch : ring_) batch.cells.reserve(kBatchCells);
}

void FrameCrew::Begin(int width, int height)
{
    coverage_.Reset(width, height);
    for (Batch& batch : ring_) batch.Reset();
    state_.store(0, std::memory_order_relaxed);
    failed_.store(false, std::memory_order_relaxed);
    failure_ = nullptr;
}

HeightPyramid& FrameCrew::Heights(const ElevationGrid& elevation, double dx, double dy)
{
    const std::lock_guard lock(heightsLock_);
    return KeptPyramid(heights_, elevation, dx, dy);
}

void FrameCrew::Fail()
{
    failed_.store(true, std::memory_order_relaxed);
    const std::lock_guard lock(failureLock_);
    if (!failure_) failure_ = std::current_exception();
}

void FrameCrew::Reuse(size_t batch, CellPainter& painter, TriangleRaster& band, size_t& drawn)
{
    if (batch >= kRing) {
        const size_t old = batch - kRing;
        for (; drawn <= old; ++drawn) DrawBatch(drawn, &painter, &band, true);
        WaitUntilDrawnByAll(Slot(old));
    }
    Slot(batch).Reset();
}

void FrameCrew::PaintPieces(Batch& batch, CellPainter& painter, const TriangleRaster& culler)
{
    for (;;) {
        const size_t piece = batch.nextPiece.fetch_add(1, std::memory_order_relaxed);
        if (piece >= batch.pieceCount) return;
        TriangleList& list = batch.pieces[piece].triangles;
        list.Begin(culler);
        if (!failed_.load(std::memory_order_relaxed)) {
            try {
                painter.SetTarget(list);
                const size_t first = piece * kPieceCells;
                const size_t end = std::min(first + kPieceCells, batch.cells.size());
                // A piece starts afresh: its first cell need not follow the one this painter did last.
                for (size_t i = first; i < end; ++i) {
                    const Cell& cell = batch.cells[i];
                    painter.Paint(cell.x, cell.y, i == first ? StencilStep::Full : cell.step);
                }
            } catch (...) {
                Fail();
            }
        }
        Raise(batch.piecesDone, size_t{1});
    }
}

void FrameCrew::DrawBatch(size_t index, CellPainter* painter, TriangleRaster* band, bool byLead)
{
    Batch& batch = Slot(index);
    if (painter != nullptr && band != nullptr) PaintPieces(batch, *painter, *band);
    WaitUntilAtLeast(batch.piecesDone, batch.pieceCount);
    if (band != nullptr && !failed_.load(std::memory_order_relaxed)) {
        std::shared_lock hold(stillLock_, std::defer_lock);
        if (!byLead) hold.lock();
        try {
            for (size_t piece = 0; piece < batch.pieceCount; ++piece) batch.pieces[piece].triangles.Replay(*band);
        } catch (...) {
            Fail();
        }
    }
    Raise(batch.drawnBy, 1);
}

void FrameCrew::WaitUntilDrawnByAll(const Batch& batch) const
{
    WaitUntilAtLeast(batch.drawnBy, members_);
}

void FrameCrew::Serve(CellPainter* painter, TriangleRaster* band)
{
    for (size_t batch = 0;; ++batch) {
        size_t state = state_.load(std::memory_order_acquire);
        while (state / 2 <= batch) {
            if (state % 2 != 0) return;
            state_.wait(state, std::memory_order_acquire);
            state = state_.load(std::memory_order_acquire);
        }
        DrawBatch(batch, painter, band, false);
    }
}

FrameCrew::Lead::Lead(FrameCrew& crew, CellPainter& painter, TriangleRaster& band)
    : crew_(crew), painter_(painter), band_(band)
{
}

FrameCrew::Lead::~Lead()
{
    if (closed_) return;
    try {
        Close();
    } catch (...) {
    }
}

void FrameCrew::Lead::Paint(double x, double y, StencilStep step)
{
    if (!open_) {
        crew_.Reuse(filling_, painter_, band_, drawn_);
        open_ = true;
    }
    std::vector<Cell>& cells = crew_.Slot(filling_).cells;
    cells.push_back({x, y, step});
    if (cells.size() == kBatchCells) Publish();
}

void FrameCrew::Lead::Publish()
{
    Batch& batch = crew_.Slot(filling_);
    batch.pieceCount = (batch.cells.size() + kPieceCells - 1) / kPieceCells;
    Raise(crew_.state_, size_t{2});
    ++filling_;
    open_ = false;
    // The batch just handed out is left to the others, who would otherwise
    // wait while the lead walks the next one; it helps with the earlier ones.
    for (; helped_ + 1 < filling_; ++helped_) crew_.PaintPieces(crew_.Slot(helped_), painter_, band_);
    for (; drawn_ + kLeadLag < filling_; ++drawn_) crew_.DrawBatch(drawn_, &painter_, &band_, true);
}

void FrameCrew::Lead::Close()
{
    if (closed_) return;
    closed_ = true;
    if (open_) Publish();
    for (; drawn_ < filling_; ++drawn_) crew_.DrawBatch(drawn_, &painter_, &band_, true);
    Raise(crew_.state_, size_t{1});
    for (size_t batch = filling_ >= kRing ? filling_ - kRing : 0; batch < filling_; ++batch)
        crew_.WaitUntilDrawnByAll(crew_.Slot(batch));
    if (crew_.failure_) std::rethrow_exception(crew_.failure_);
}

}  // namespace vistagon
