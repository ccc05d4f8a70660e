#include "flight/FrameSequencer.h"

#include "image/CTGAFile.h"

namespace vistagon {

void FrameSequencer::Start(size_t frames, bool wanted)
{
    const std::lock_guard lock(lock_);
    wanted_ = wanted;
    copies_.assign(wanted ? frames : 0, std::nullopt);
    next_ = 0;
}

void FrameSequencer::Offer(size_t position, const CTGAFile* image)
{
    if (!wanted_) return;
    Copy copy;
    if (image != nullptr) {
        copy.drawn = true;
        copy.width = image->GetWidth();
        copy.height = image->GetHeight();
        copy.stride = image->Stride();
        const uint8_t* base = image->PixelBase();
        copy.pixels.assign(base, base + copy.stride * static_cast<size_t>(copy.height));
    }
    const std::lock_guard lock(lock_);
    if (position < copies_.size()) copies_[position] = std::move(copy);
}

void FrameSequencer::Deliver(RenderHost& host, const FlightPlan& plan)
{
    if (!wanted_) return;
    for (;;) {
        Copy copy;
        size_t position = 0;
        {
            const std::lock_guard lock(lock_);
            if (next_ >= copies_.size() || !copies_[next_]) return;
            position = next_++;
            copy = std::move(*copies_[position]);
            copies_[position].reset();
        }
        // Nothing may follow a gap.
        if (!copy.drawn) {
            const std::lock_guard lock(lock_);
            next_ = copies_.size();
            return;
        }
        host.FramePictureReady(FramePicture{plan[position].index, copy.width, copy.height, copy.stride, copy.pixels.data()});
    }
}

}  // namespace vistagon
