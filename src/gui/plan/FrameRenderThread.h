#pragma once

#include "LatestRequest.h"
#include "platform/Profile.h"
#include "render/RenderTypes.h"
#include "scene/SceneParameters.h"

#include <QImage>
#include <QThread>
#include <atomic>
#include <string>

namespace vistagon::gui {

struct FrameRequest {
    SceneParameters values;
    std::string documentPath;
    int frame = 0;
    RenderMode mode = RenderMode::Raw;
};

// Renders single frames of a scene in the background through the render job,
// the newest request only: a render outdated by a newer request stops at the
// job's next cancel test, and its picture never comes.
class FrameRenderThread : public QThread {
    Q_OBJECT
public:
    explicit FrameRenderThread(Profile profile, QObject* parent = nullptr);
    ~FrameRenderThread() override;

    // Frame `frame` of the flight of values (From <= frame <= To), drawn as
    // render --frames frame-frame draws it, but written nowhere.
    void Render(const SceneParameters& values, const std::string& documentPath, int frame, RenderMode mode);
    // Closes the mailbox, stopping the render under way, and waits for the thread to end.
    void Stop();

    struct Counts {
        int started = 0;    // renders begun
        int cancelled = 0;  // stopped because a newer request came
        int finished = 0;   // pictures sent
        int replaced = 0;   // requests replaced before a render began
    };
    Counts counts() const;
    // For tests: hold the worker in its next render at a cancel test.
    LatestRequest<FrameRequest>& mailbox() { return mailbox_; }

signals:
    void Rendered(int frame, int mode, const QImage& picture);
    // The job's messages when a frame could not be drawn.
    void Failed(int frame, const QString& text);

protected:
    void run() override;

private:
    Profile profile_;
    LatestRequest<FrameRequest> mailbox_;
    std::atomic<int> started_{0};
    std::atomic<int> cancelled_{0};
    std::atomic<int> finished_{0};
};

}  // namespace vistagon::gui
