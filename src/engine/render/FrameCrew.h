#pragma once

#include "render/CellSink.h"
#include "render/HeightPyramid.h"
#include "render/PixelCoverage.h"
#include "render/TriangleRaster.h"

#include <atomic>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <vector>

namespace vistagon {

// Several threads drawing one frame. The picture's rows are cut into strips;
// whoever is free takes the next one and walks the whole frame for it, nearest
// first, writing the strip's rows only and leaving out the blocks of cells
// that reach none of its pixels still free. Every pixel thus gets the triangle
// one thread alone would give it, and the members share nothing but the
// blocks' heights and the picture they fill.
class FrameCrew {
public:
    // members counts the lead too.
    explicit FrameCrew(int members);
    FrameCrew(const FrameCrew&) = delete;
    FrameCrew& operator=(const FrameCrew&) = delete;

    int members() const { return members_; }
    // Before each frame, with no member at work; width and height are the picture's.
    void Begin(int width, int height);
    // The heights of blocks of cells, one for all members and frames.
    HeightPyramid& Heights(const ElevationGrid& elevation, double dx, double dy);

    // Works out a share of the heights' rows of blocks, as long as others
    // are left; a member then draws its strips.
    void MeasureHeights(HeightPyramid& heights);
    // Draws strips, draw(strip) each, until none is left; after draw threw,
    // no member begins another strip, and the lead's Finish rethrows it.
    template <typename Draw>
    void Work(Draw&& draw);
    // The lead, once its Work returned: waits for the strips the others are
    // drawing, then rethrows what one of them threw.
    void Finish();
    size_t strips() const { return strips_.size(); }
    size_t stripsDone() const { return done_.load(std::memory_order_acquire); }

    // Runs show on the lead's thread while no other member writes pixels:
    // they finish the cells at hand and wait until show returns.
    template <typename Show>
    void WhileStill(Show&& show)
    {
        const std::unique_lock hold(stillLock_);
        show();
    }

    // A member's painter, other than the lead's, writing pixels only while
    // it holds the picture (a few cells at a time, so that the lead's show
    // does not wait long).
    class Hold final : public CellSink {
    public:
        Hold(FrameCrew& crew, CellSink& painter) : lock_(crew.stillLock_, std::defer_lock), painter_(painter) {}
        void Paint(double x, double y, StencilStep step) override;
        CellRun LeftOutRun() const override { return painter_.LeftOutRun(); }
        void PassedOver(long cells) override { painter_.PassedOver(cells); }

    private:
        static constexpr int kCellsPerHold = 64;
        std::shared_lock<std::shared_mutex> lock_;
        CellSink& painter_;
        int cells_ = 0;
    };

private:
    // Strips per member: two, so that who finishes first finds more to do
    // where one side of the picture costs more; every strip walks the frame
    // anew, and each added strip costs a few percent of the frame.
    static constexpr int kStripsPerMember = 2;

    void Fail();

    int members_;
    std::vector<PictureStrip> strips_;
    std::mutex heightsLock_;
    std::optional<HeightPyramid> heights_;
    // What members write at once sits on cache lines of its own.
    alignas(64) std::atomic<int> nextHeights_{0};
    alignas(64) std::atomic<size_t> next_{0};
    alignas(64) std::atomic<size_t> done_{0};
    std::atomic<bool> failed_{false};
    std::mutex failureLock_;
    std::exception_ptr failure_;
    std::shared_mutex stillLock_;
};

template <typename Draw>
void FrameCrew::Work(Draw&& draw)
{
    for (;;) {
        const size_t strip = next_.fetch_add(1, std::memory_order_relaxed);
        if (strip >= strips_.size()) return;
        if (!failed_.load(std::memory_order_relaxed)) {
            try {
                draw(strips_[strip]);
            } catch (...) {
                Fail();
            }
        }
        done_.fetch_add(1, std::memory_order_release);
        done_.notify_all();
    }
}

}  // namespace vistagon
