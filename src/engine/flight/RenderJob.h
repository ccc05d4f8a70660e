#pragma once

#include "flight/RenderHost.h"
#include "platform/AppContext.h"
#include "render/RenderTypes.h"

#include <optional>
#include <string>

namespace vistagon {

enum class JobOutcome {
    Completed,     // every frame drawn, and saved in Raw and Final
    FramesFailed,  // some frames could not be saved (the image layer said so)
    Stopped,       // the user stopped the job
    Abandoned,     // the mask or the texture could not be used
    NoTerrain,     // the elevation file could not be opened: no frames
    Refused,       // the curved path cannot be flown, or the frames' images could not be made
};

struct JobReport {
    JobOutcome outcome = JobOutcome::Completed;
    int framesPlanned = 0;
    int framesFinished = 0;
    int framesFailed = 0;
    // The grid divisions the frames used (reduced for Preview).
    double divisionsX = 0.0;
    double divisionsY = 0.0;

    // A rendering window stays open, showing the last frame, only after a job that ran through.
    bool ClosesWindow() const { return outcome != JobOutcome::Completed && outcome != JobOutcome::FramesFailed; }
};

// Frame indices from first to last, both included.
struct FrameRange {
    int first = 0;
    int last = 0;
};

struct RenderJobOptions {
    // Frames drawn side by side; Preview always draws one at a time.
    int workers = 1;
    // Where "VGRECORD.XLS" goes; empty for the current folder.
    std::string recorderFolder;
    // Draws only these frames of the flight, which is still planned from the
    // scene's From on: a curved flight's ground floor acts on every frame from
    // From, so a share of an animation equals the same frames of the whole run.
    std::optional<FrameRange> onlyFrames;
    // Draws the frames for the host's FramePictureReady alone: no frame file,
    // no recorder log (a window that shows a flight's frames).
    bool picturesOnly = false;
};

// The render job on a scene's temporary script: reads everything back from
// it, opens the mask, texture and terrain (abandoning with the messages of the
// image layer and its own), computes the flight's cameras in frame order, then
// draws the frames (Preview into the host's canvas, Raw and Final into files),
// logs the recorder rows and deletes the temporary script on every path.
JobReport RunJob(AppContext& context, RenderHost& host, const std::string& scriptPath, RenderMode mode,
                 const RenderJobOptions& options = {});

}  // namespace vistagon
