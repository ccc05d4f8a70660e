#include "flight/FrameScheduler.h"

#include <algorithm>
#include <thread>

namespace vistagon {

namespace {

// How often the calling thread looks after the interface while workers draw.
constexpr std::chrono::milliseconds kPumpInterval{20};
// The clock is read once per this many pumps of a worker on the calling thread.
constexpr long kPumpsPerClockRead = 64;

}  // namespace

FrameScheduler::FrameScheduler(AppContext& context, RenderHost& host, const FrameSetup& setup, RecorderLog* log)
    : context_(context), host_(host), setup_(setup), log_(log), relay_(context.ui),
      redrawIntervalMs_(context.profile.GetInt("Settings", "RedrawInterval", 1000)),
      lastRedraw_(std::chrono::steady_clock::now())
{
}

FrameScheduler::~FrameScheduler() = default;

bool FrameScheduler::Prepare(int workers, size_t frames, CTGAFile* hostImage)
{
    const size_t requested = static_cast<size_t>(std::max(workers, 1));
    const size_t count = std::clamp<size_t>(requested, 1, std::max<size_t>(frames, 1));
    // Frames first; the cores they leave idle share each frame's rows.
    bands_ = static_cast<int>(requested / count);
    const bool here = count == 1;
    for (size_t k = 0; k < count; ++k) {
        slots_.push_back(std::make_unique<Slot>());
        Slot& slot = *slots_.back();
        std::unique_ptr<WorkerInteraction> interaction;
        if (here) {
            interaction = std::make_unique<WorkerInteraction>(
                context_.ui, [this] { PumpOnThisThread(); }, [this, &slot](int percent) { ShowPercent(slot, percent); });
        } else {
            interaction =
                std::make_unique<WorkerInteraction>(relay_, nullptr, [&slot](int percent) { slot.percent = percent; });
        }
        auto worker =
            FrameWorker::Create(context_, setup_, std::move(interaction), here ? hostImage : nullptr, bands_, relay_);
        if (!worker) return false;
        workers_.push_back(std::move(worker));
    }
    return true;
}

FrameTally FrameScheduler::Run(const FlightPlan& plan)
{
    plan_ = &plan;
    results_.assign(plan.size(), std::nullopt);
    nextRow_ = 0;
    tally_ = FrameTally{};
    pictures_.Start(plan.size(), host_.WantsFramePictures() && setup_.settings.mode != RenderMode::Preview);
    if (plan.empty() || workers_.empty()) return Tally();
    return workers_.size() == 1 ? RunHere(plan) : RunSideBySide(plan);
}

FrameTally FrameScheduler::RunHere(const FlightPlan& plan)
{
    FrameWorker& worker = *workers_.front();
    Slot& slot = *slots_.front();
    std::function<void()> redraw;
    if (setup_.settings.mode != RenderMode::Preview) redraw = [this, &worker] { host_.Redraw(*worker.image()); };
    for (size_t i = 0; i < plan.size(); ++i) {
        if (context_.ui.IsCancelled()) break;
        slot.percent = 0;
        slot.frame = static_cast<int>(i);
        {
            const std::lock_guard lock(resultsLock_);
            nextFrame_ = i + 1;
        }
        lastShownPercent_ = -1;
        ReportProgress();
        const FrameResult result = worker.Render(plan[i], redraw);
        pictures_.Offer(i, result == FrameResult::Cancelled ? nullptr : worker.image());
        Finish(slot, i, result);
        WriteFinishedRows(false);
        pictures_.Deliver(host_, plan);
        ReportProgress();
    }
    return Tally();
}

FrameTally FrameScheduler::RunSideBySide(const FlightPlan& plan)
{
    nextFrame_ = 0;
    idleWorkers_ = 0;
    relay_.Serve();
    HandOutFrames();
    // Joined on every way out, also when the loop below throws.
    std::vector<std::jthread> threads;
    for (size_t k = 0; k < workers_.size(); ++k) {
        threads.emplace_back([this, k, &plan] {
            try {
                WorkLoop(*workers_[k], *slots_[k], plan);
            } catch (...) {
                abandoned_ = true;
                const std::lock_guard lock(resultsLock_);
                if (!failure_) failure_ = std::current_exception();
            }
            {
                const std::lock_guard lock(resultsLock_);
                ++idleWorkers_;
            }
            resultsChanged_.notify_all();
        });
    }
    try {
        std::unique_lock lock(resultsLock_);
        while (idleWorkers_ < static_cast<int>(workers_.size())) {
            resultsChanged_.wait_for(lock, kPumpInterval);
            lock.unlock();
            relay_.Serve();
            HandOutFrames();
            WriteFinishedRows(false);
            pictures_.Deliver(host_, plan);
            ReportProgress();
            // Last, so that the progress shown counts every frame started before the user has a turn.
            context_.ui.Pump();
            lock.lock();
        }
    } catch (...) {
        // Workers waiting for an answer or a frame would keep the join below from returning.
        abandoned_ = true;
        DismissWorkers();
        relay_.Close();
        throw;
    }
    threads.clear();
    WriteFinishedRows(true);
    pictures_.Deliver(host_, plan);
    ReportProgress();
    if (failure_) std::rethrow_exception(failure_);
    return Tally();
}

void FrameScheduler::WorkLoop(FrameWorker& worker, Slot& slot, const FlightPlan& plan)
{
    while (const std::optional<size_t> position = AwaitFrame(slot)) {
        const FrameResult result = worker.Render(plan[*position], {});
        pictures_.Offer(*position, result == FrameResult::Cancelled ? nullptr : worker.image());
        Finish(slot, *position, result);
    }
}

// Worker side: the frame the calling thread hands this worker next, or none when it is to leave.
std::optional<size_t> FrameScheduler::AwaitFrame(Slot& slot)
{
    std::unique_lock lock(resultsLock_);
    framesHandedOut_.wait(lock, [&slot] { return slot.handed || slot.dismissed; });
    if (slot.dismissed) return std::nullopt;
    const size_t position = *slot.handed;
    slot.handed.reset();
    slot.percent = 0;
    slot.frame = static_cast<int>(position);
    return position;
}

// Calling thread: the next frames in plan order to the workers without one;
// after a stop, a failure or the last frame they are sent away instead.
void FrameScheduler::HandOutFrames()
{
    const bool stopping = abandoned_ || context_.ui.IsCancelled();
    {
        const std::lock_guard lock(resultsLock_);
        for (const auto& slot : slots_) {
            if (slot->busy || slot->dismissed) continue;
            if (stopping || nextFrame_ >= results_.size()) {
                slot->dismissed = true;
                continue;
            }
            slot->handed = nextFrame_++;
            slot->busy = true;
        }
    }
    framesHandedOut_.notify_all();
}

void FrameScheduler::DismissWorkers()
{
    {
        const std::lock_guard lock(resultsLock_);
        for (const auto& slot : slots_) {
            slot->handed.reset();
            slot->dismissed = true;
        }
    }
    framesHandedOut_.notify_all();
}

void FrameScheduler::Finish(Slot& slot, size_t position, FrameResult result)
{
    {
        const std::lock_guard lock(resultsLock_);
        slot.frame = -1;
        slot.busy = false;
        results_[position] = result;
        if (result == FrameResult::Finished) ++tally_.finished;
        if (result == FrameResult::SaveFailed) ++tally_.failed;
        if (result == FrameResult::Cancelled) tally_.stopped = true;
    }
    resultsChanged_.notify_all();
}

void FrameScheduler::PumpOnThisThread()
{
    context_.ui.Pump();
    if (setup_.settings.mode == RenderMode::Preview || ++pumpsSinceClock_ < kPumpsPerClockRead) return;
    pumpsSinceClock_ = 0;
    // The frame's other members would put anything they ask through the relay.
    if (bands_ > 1) relay_.Serve();
    const auto now = std::chrono::steady_clock::now();
    if (now - lastRedraw_ < std::chrono::milliseconds(redrawIntervalMs_)) return;
    lastRedraw_ = now;
    FrameWorker& worker = *workers_.front();
    worker.WhileImageStill([this, &worker] { host_.Redraw(*worker.image()); });
}

void FrameScheduler::ShowPercent(Slot& slot, int percent)
{
    slot.percent = percent;
    if (percent == lastShownPercent_) return;
    lastShownPercent_ = percent;
    ReportProgress();
}

// Rows follow the plan: a row is written once every frame before it is done;
// skipUnfinished passes over frames that were never drawn (after a stop).
void FrameScheduler::WriteFinishedRows(bool skipUnfinished)
{
    const std::lock_guard lock(resultsLock_);
    for (; nextRow_ < results_.size(); ++nextRow_) {
        const std::optional<FrameResult>& result = results_[nextRow_];
        if (!result && !skipUnfinished) break;
        if (result && *result != FrameResult::Cancelled && log_ != nullptr) log_->Append((*plan_)[nextRow_].record);
    }
}

void FrameScheduler::ReportProgress()
{
    JobProgress progress;
    progress.framesTotal = static_cast<int>(plan_->size());
    double partial = 0.0;
    for (const auto& slot : slots_) {
        const int position = slot->frame;
        if (position < 0) continue;
        partial += slot->percent / 100.0;
        const int index = (*plan_)[static_cast<size_t>(position)].index;
        if (progress.frame < 0 || index < progress.frame) {
            progress.frame = index;
            progress.framePercent = slot->percent;
        }
    }
    {
        const std::lock_guard lock(resultsLock_);
        progress.framesDone = tally_.finished + tally_.failed;
        progress.framesStarted = static_cast<int>(nextFrame_);
    }
    progress.fraction = progress.framesTotal > 0 ? std::min(1.0, (progress.framesDone + partial) / progress.framesTotal) : 1.0;
    host_.ShowProgress(progress);
}

FrameTally FrameScheduler::Tally()
{
    FrameTally tally;
    {
        const std::lock_guard lock(resultsLock_);
        tally = tally_;
    }
    tally.stopped = tally.stopped || context_.ui.IsCancelled();
    return tally;
}

}  // namespace vistagon
