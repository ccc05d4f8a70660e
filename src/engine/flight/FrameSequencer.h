#pragma once

#include "flight/PlannedFrame.h"
#include "flight/RenderHost.h"

#include <mutex>
#include <optional>
#include <vector>

namespace vistagon {

class CTGAFile;

// Puts the pictures of frames finished side by side back into plan order for
// a host that wants them: workers offer a copy as soon as a frame is done,
// the job's thread hands them over once every earlier frame has gone.
class FrameSequencer {
public:
    void Start(size_t frames, bool wanted);
    bool wanted() const { return wanted_; }

    // Any thread: the picture of the frame at plan position, or none when it was not drawn.
    void Offer(size_t position, const CTGAFile* image);
    // The job's thread: every picture whose predecessors have all been handed
    // over. A frame that was not drawn (after a stop) ends the sequence.
    void Deliver(RenderHost& host, const FlightPlan& plan);

private:
    struct Copy {
        bool drawn = false;
        int width = 0;
        int height = 0;
        size_t stride = 0;
        std::vector<uint8_t> pixels;
    };

    bool wanted_ = false;
    std::mutex lock_;
    std::vector<std::optional<Copy>> copies_;
    size_t next_ = 0;
};

}  // namespace vistagon
