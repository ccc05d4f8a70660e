#pragma once

#include "flight/FramePicture.h"
#include "render/WirePreview.h"

namespace vistagon {

class CTGAFile;

// How far a render job is.
struct JobProgress {
    int framesDone = 0;     // frames finished, in whatever way
    int framesStarted = 0;  // frames begun, finished or not
    int framesTotal = 0;    // frames the job renders
    int frame = -1;         // animation index of the earliest frame being drawn, -1 between frames
    int framePercent = 0;   // how far that frame is
    double fraction = 0.0;  // of the whole job, 0 to 1
};

// What a rendering window gives its job: the image it shows, repaints, the
// canvas of the wire model and a progress display. The command line and the
// tests supply their own.
class RenderHost {
public:
    virtual ~RenderHost() = default;

    // The window's image of the output size, which the job draws into when it
    // renders one frame at a time; none lets the job make its own.
    virtual CTGAFile* OutputImage(int /*width*/, int /*height*/) { return nullptr; }
    // Repaints from the image being drawn: every "RedrawInterval" ms of a Raw
    // or Final job drawn on the calling thread, and once each frame is complete.
    // The pixels hold still only during the call (helper threads may draw the
    // same frame): a host that paints later paints from a copy.
    virtual void Redraw(const CTGAFile& /*image*/) {}
    // Where Preview draws its wire model; none discards the lines.
    virtual LineCanvas* PreviewCanvas() { return nullptr; }
    // Called on the thread that started the job.
    virtual void ShowProgress(const JobProgress& /*progress*/) {}
    // True when the host takes the picture of every finished Raw or Final frame.
    virtual bool WantsFramePictures() const { return false; }
    // Each finished frame's picture, masked, in frame order, on the thread
    // that started the job; frames after one that was not drawn never come.
    virtual void FramePictureReady(const FramePicture& /*picture*/) {}
};

}  // namespace vistagon
