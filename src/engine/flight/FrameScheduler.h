#pragma once

#include "flight/FrameSequencer.h"
#include "flight/FrameWorker.h"
#include "flight/InteractionRelay.h"
#include "flight/PlannedFrame.h"
#include "flight/RecorderLog.h"
#include "flight/RenderHost.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace vistagon {

struct FrameTally {
    int finished = 0;  // drawn, and saved in Raw and Final
    int failed = 0;    // drawn, but could not be saved
    bool stopped = false;
};

// Draws the frames of a flight plan with one or more workers. One worker runs
// on the calling thread and pumps the job's interaction itself; several run on
// threads of their own while the calling thread pumps and puts their messages
// and questions to the user, so the job's interaction is only ever called on
// the calling thread. When there are fewer frames than workers, the spare
// ones draw bands of each frame's rows beside it. Frames are handed out in
// plan order, so their files do not depend on the number of workers, and the
// recorder rows are written in plan order for every frame that was finished.
// Only the calling thread hands frames out, between its turns with the user:
// while it is away in a question (Stop's, say) no frame starts, and once the
// job is cancelled none does either.
class FrameScheduler {
public:
    FrameScheduler(AppContext& context, RenderHost& host, const FrameSetup& setup, RecorderLog* log);
    ~FrameScheduler();

    // Makes the workers (at most one per frame, each with workers / frames
    // bands); false when their images cannot be made. A single worker draws
    // into hostImage when there is one.
    bool Prepare(int workers, size_t frames, CTGAFile* hostImage);
    FrameTally Run(const FlightPlan& plan);

private:
    struct Slot {
        std::atomic<int> frame{-1};  // plan position being drawn
        std::atomic<int> percent{0};
        // Under resultsLock_: the frame handed to the worker and not yet taken,
        // whether it has a frame to finish, and whether it is to leave.
        std::optional<size_t> handed;
        bool busy = false;
        bool dismissed = false;
    };

    FrameTally RunHere(const FlightPlan& plan);
    FrameTally RunSideBySide(const FlightPlan& plan);
    void WorkLoop(FrameWorker& worker, Slot& slot, const FlightPlan& plan);
    std::optional<size_t> AwaitFrame(Slot& slot);
    void HandOutFrames();
    void DismissWorkers();
    void Finish(Slot& slot, size_t position, FrameResult result);
    void PumpOnThisThread();
    void ShowPercent(Slot& slot, int percent);
    void WriteFinishedRows(bool skipUnfinished);
    void ReportProgress();
    FrameTally Tally();

    AppContext& context_;
    RenderHost& host_;
    FrameSetup setup_;
    RecorderLog* log_;
    FrameSequencer pictures_;  // for a host that wants every frame's picture
    InteractionRelay relay_;  // the job's interaction, when workers run side by side
    int redrawIntervalMs_;
    int bands_ = 1;

    std::vector<std::unique_ptr<FrameWorker>> workers_;
    std::vector<std::unique_ptr<Slot>> slots_;

    std::mutex resultsLock_;
    std::condition_variable resultsChanged_;
    const FlightPlan* plan_ = nullptr;
    std::vector<std::optional<FrameResult>> results_;
    FrameTally tally_;
    size_t nextRow_ = 0;
    size_t nextFrame_ = 0;  // frames started so far
    std::condition_variable framesHandedOut_;
    int idleWorkers_ = 0;
    std::atomic<bool> abandoned_{false};
    std::exception_ptr failure_;

    long pumpsSinceClock_ = 0;
    std::chrono::steady_clock::time_point lastRedraw_;
    int lastShownPercent_ = -1;
};

}  // namespace vistagon
