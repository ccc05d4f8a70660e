// The plan window on the demo fly-through (320 x 240): the time from a slider
// move to its Raw frame on screen, and from the slider's release to the Final
// frame, offscreen, through the real window and its workers.
#include "DemoScenes.h"
#include "DemoTerrain.h"
#include "plan/CFlightPlanView.h"
#include "plan/FramePane.h"
#include "scene/CVistagonView.h"
#include "scene/SceneScript.h"
#include "shell/CMainFrame.h"
#include "shell/CommandTable.h"

#include <QApplication>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <unistd.h>
#include <vector>

using namespace vistagon;
using namespace vistagon::gui;
using Clock = std::chrono::steady_clock;

namespace {

class QuietPresenter : public MessagePresenter {
public:
    void ShowMessage(std::string_view text, MessageIcon) override { std::fprintf(stderr, "%.*s\n", int(text.size()), text.data()); }
    Answer Ask(std::string_view, QuestionButtons, MessageIcon) override { return Answer::No; }
};

class QuietInteraction : public UserInteraction, public ProgressText {
public:
    void ShowMessage(std::string_view text, MessageIcon) override { std::fprintf(stderr, "%.*s\n", int(text.size()), text.data()); }
    Answer Ask(std::string_view, QuestionButtons, MessageIcon) override { return Answer::No; }
    ProgressText& Status() override { return *this; }
    void SetText(std::string_view) override {}
    void Pump() override {}
    bool IsCancelled() const override { return false; }
};

// Runs the event loop until the window shows that frame in that mode; false after 60 s.
bool WaitForFrame(CFlightPlanView& view, int frame, RenderMode mode)
{
    if (view.shownFrame() == frame && view.shownMode() == mode) return true;
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
    QObject::connect(&view, &CFlightPlanView::FrameShown, &loop, [&](int shown, int shownMode) {
        if (shown == frame && shownMode == static_cast<int>(mode)) loop.exit(0);
    });
    guard.start(60000);
    return loop.exec() == 0;
}

double Milliseconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void Print(const char* what, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::printf("%-44s median %7.1f ms, best %7.1f ms, worst %7.1f ms (%zu moves)\n", what, values[values.size() / 2],
                values.front(), values.back(), values.size());
}

bool WriteDemo(AppContext& context)
{
    const cli::DemoTerrain terrain(9, 20240611);
    const SceneParameters flight = cli::DemoFlight();
    return terrain.WriteElevation(context, cli::kDemoTerrain) &&
           terrain.WriteTexture(context, cli::kDemoTexture, cli::kDemoZScale) &&
           cli::WriteDemoMask(context, cli::kDemoMask, flight.SizeX, flight.SizeY) &&
           SaveScene(context, flight, cli::kDemoFlightScene);
}

CFlightPlanView* PlanWindow(CMainFrame& frame)
{
    for (QMdiSubWindow* window : frame.mdiArea()->subWindowList())
        if (auto* view = qobject_cast<CFlightPlanView*>(window->widget())) return view;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("vistagon-plan-window-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    QuietInteraction ui;
    AppContext context{ui, Profile("bench.ini")};
    int status = 1;
    if (WriteDemo(context)) {
        QuietPresenter presenter;
        CMainFrame frame((folder / "bench.ini").string(), &presenter);
        frame.resize(1400, 1000);
        frame.show();
        CVistagonView* form = frame.NewScene();
        form->LoadScene(QString::fromStdString(cli::kDemoFlightScene));
        frame.action(cmd::kFlightPlan)->trigger();
        CFlightPlanView* view = PlanWindow(frame);
        if (view != nullptr && WaitForFrame(*view, 0, RenderMode::Final)) {
            std::vector<double> raw, final, total;
            for (int frameIndex = 3; frameIndex < 60; frameIndex += 4) {
                view->slider()->setSliderDown(true);
                const auto moved = Clock::now();
                view->slider()->setValue(frameIndex);
                if (!WaitForFrame(*view, frameIndex, RenderMode::Raw)) break;
                view->framePane()->repaint();
                const auto rawShown = Clock::now();
                view->slider()->setSliderDown(false);
                if (!WaitForFrame(*view, frameIndex, RenderMode::Final)) break;
                view->framePane()->repaint();
                const auto finalShown = Clock::now();
                raw.push_back(Milliseconds(moved, rawShown));
                final.push_back(Milliseconds(rawShown, finalShown));
                total.push_back(Milliseconds(moved, finalShown));
            }
            if (!raw.empty()) {
                std::printf("plan window, demo fly-through, 320 x 240 frames, 256 x 256 grid, textured and masked\n");
                Print("slider move to the Raw frame on screen", raw);
                Print("slider release to the Final frame on screen", final);
                Print("slider move to the Final frame on screen", total);
                status = 0;
            }
        }
    }
    std::filesystem::current_path(folder.parent_path());
    std::filesystem::remove_all(folder);
    if (status != 0) std::fprintf(stderr, "the plan window did not show its frames\n");
    return status;
}
