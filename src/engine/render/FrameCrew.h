#pragma once

#include "render/CellSink.h"
#include "render/HeightPyramid.h"
#include "render/PixelCoverage.h"
#include "render/TriangleList.h"

#include <array>
#include <atomic>
#include <exception>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <vector>

namespace vistagon {

class CellPainter;
class TriangleRaster;

// Several threads drawing one frame. The lead walks the cells (nearest first)
// and queues them in batches; the members paint the pieces of each batch into
// triangle lists, whoever is free taking the next piece, and then each draws
// all of the batch's lists, in order, into its own rows of the picture. Every
// pixel thus sees its triangles in the order one thread alone would draw them,
// and the cells' heights, normals and projections are worked out only once.
class FrameCrew {
public:
    // members counts the lead too.
    explicit FrameCrew(int members);
    FrameCrew(const FrameCrew&) = delete;
    FrameCrew& operator=(const FrameCrew&) = delete;

    int members() const { return members_; }
    // Before each frame, with no member at work; width and height are the picture's.
    void Begin(int width, int height);
    // The pixels the members have reached, which every member's painter reads
    // to leave out the triangles hidden in every band.
    PixelCoverage& coverage() { return coverage_; }
    // The heights of blocks of cells, one for all members and frames.
    HeightPyramid& Heights(const ElevationGrid& elevation, double dx, double dy);

    // Member 0's side: the cell walk hands it every cell, then Close.
    class Lead final : public CellSink {
    public:
        // painter and band: the lead's own, as for every member.
        Lead(FrameCrew& crew, CellPainter& painter, TriangleRaster& band);
        // Closes (swallowing what a member threw) when the walk was left by an exception.
        ~Lead() override;
        Lead(const Lead&) = delete;
        Lead& operator=(const Lead&) = delete;

        void Paint(double x, double y, StencilStep step) override;
        // Hands over the last cells, draws its own part of what is left and
        // waits for the other members; then rethrows what one of them threw.
        void Close();

    private:
        void Publish();

        FrameCrew& crew_;
        CellPainter& painter_;
        TriangleRaster& band_;
        size_t filling_ = 0;  // the batch the walk is filling
        bool open_ = false;   // its slot is taken and has cells
        size_t helped_ = 0;   // the first batch the lead may still paint pieces of
        size_t drawn_ = 0;    // batches the lead has drawn its rows of
        bool closed_ = false;
    };

    // Runs show on the lead's thread while no other member writes pixels: they
    // end the rows of the batch they are drawing and wait until show returns.
    template <typename Show>
    void WhileStill(Show&& show)
    {
        const std::unique_lock hold(stillLock_);
        show();
    }

    // Any other member's whole frame, until the lead closes. Without painter
    // and band it only keeps the count (a member that could not set up).
    void Serve(CellPainter* painter, TriangleRaster* band);

private:
    static constexpr size_t kPieceCells = 64;
    static constexpr size_t kPieces = 32;
    static constexpr size_t kBatchCells = kPieceCells * kPieces;
    // Batches in flight: members drawing fewer rows than the others of one
    // batch make up for it on the next ones instead of waiting. The lead draws
    // its rows kLeadLag batches behind the one it has just handed out, so that
    // the others always have cells to paint while it draws.
    static constexpr size_t kRing = 4;
    static constexpr size_t kLeadLag = kRing / 2;

    struct Cell {
        double x;
        double y;
        StencilStep step;
    };
    // What members write at once sits on cache lines of its own.
    static constexpr size_t kLine = 64;
    struct alignas(kLine) Piece {
        TriangleList triangles;
    };
    struct Batch {
        std::vector<Cell> cells;
        size_t pieceCount = 0;
        std::array<Piece, kPieces> pieces;
        alignas(kLine) std::atomic<size_t> nextPiece{0};
        alignas(kLine) std::atomic<size_t> piecesDone{0};
        alignas(kLine) std::atomic<int> drawnBy{0};

        void Reset();
    };

    Batch& Slot(size_t batch) { return ring_[batch % kRing]; }
    // Makes batch's slot free, drawing the lead's part of the batch it held.
    void Reuse(size_t batch, CellPainter& painter, TriangleRaster& band, size_t& drawn);
    void PaintPieces(Batch& batch, CellPainter& painter, const TriangleRaster& culler);
    // Paints what is left of the batch, waits for its pieces and draws them into band.
    // byLead: the lead's thread, which shows the picture and so never waits for WhileStill.
    void DrawBatch(size_t batch, CellPainter* painter, TriangleRaster* band, bool byLead);
    void WaitUntilDrawnByAll(const Batch& batch) const;
    void Fail();

    int members_;
    std::array<Batch, kRing> ring_;
    PixelCoverage coverage_;
    std::mutex heightsLock_;
    std::optional<HeightPyramid> heights_;
    // Twice the batches published, plus one once the lead has closed.
    alignas(kLine) std::atomic<size_t> state_{0};
    std::atomic<bool> failed_{false};
    std::mutex failureLock_;
    std::exception_ptr failure_;
    // Held shared by the other members while they write pixels.
    std::shared_mutex stillLock_;
};

}  // namespace vistagon
