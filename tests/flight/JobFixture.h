#pragma once

#include "flight/RenderHost.h"
#include "image/CTGAFile.h"
#include "scene/SceneParameters.h"
#include "support/ScriptedInteraction.h"

#include <functional>
#include <string>
#include <vector>

namespace vistagon::test {

// A host that counts what the job hands it and can act on progress.
class RecordingHost : public RenderHost, public LineCanvas {
public:
    LineCanvas* PreviewCanvas() override { return this; }
    void Repaint() override { ++repaints; }
    void DrawLine(int, int, int, int, uint32_t) override { ++lines; }
    void Redraw(const CTGAFile&) override { ++redraws; }
    void ShowProgress(const JobProgress& progress) override
    {
        reports.push_back(progress);
        if (onProgress) onProgress(progress);
    }

    long lines = 0;
    long repaints = 0;
    long redraws = 0;
    std::vector<JobProgress> reports;
    std::function<void(const JobProgress&)> onProgress;
};

// A 33 x 33 terrain of rolling hills in folder, and a straight scene of three
// 32 x 24 frames looking at it, numbered into folder.
struct SmallJob {
    explicit SmallJob(TestContext& t);

    std::string File(const std::string& name) const { return t.dir.File(name); }
    // Writes the job's temporary script and returns its path.
    std::string WriteScript() const;
    std::vector<std::string> FramesOnDisk() const;
    // A mask of the given size whose key pixels keep the frame, one region brightened.
    void WriteMask(const std::string& name, int width, int height) const;
    void WriteTexture(const std::string& name, int size) const;
    // A curved flight round four points near the terrain's corners, averageHeight above the ground.
    void FlyCurved(double averageHeight);

    TestContext& t;
    SceneParameters scene;
};

}  // namespace vistagon::test
