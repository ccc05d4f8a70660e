#pragma once

#include "FlightPlanThread.h"
#include "FrameRenderThread.h"
#include "PlanOutcome.h"
#include "shell/ChildWindow.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;
class QSlider;

namespace vistagon::gui {

class CVistagonView;
class FlightMapView;
class FlightProfileChart;
class FramePane;
class Shell;

// The flight plan of a scene form: the map of the camera's track, the height
// profile, a timeline over the frames and the current frame rendered in the
// background (Raw while the slider moves or plays, Final once it rests). It
// plans again whenever the form's values change. Planning and rendering run
// on workers; the window never waits for them.
class CFlightPlanView : public QWidget, public ChildWindow {
    Q_OBJECT
public:
    static constexpr int kFramesPerSecond = 25;
    static constexpr int kReplanDelayMs = 300;

    CFlightPlanView(Shell& shell, CVistagonView& form);
    ~CFlightPlanView() override;

    WindowKind Kind() const override { return WindowKind::FlightPlan; }
    bool IsEnabled(Command) const override { return false; }
    void Execute(Command) override {}
    bool MayClose() override { return true; }
    QString DocumentPath() const override;

    // Plans the form's values now rather than once the form rests.
    void Replan();
    const PlanOutcomePtr& plan() const { return plan_; }
    int currentFrame() const { return currentFrame_; }
    void Play();
    void Pause();
    bool playing() const { return playTimer_.isActive(); }
    void Step(int frames);
    // Renders the current frame into its file(s) as the scene names them, in a rendering window.
    void RenderThisFrame();

    FlightMapView* map() const { return map_; }
    FlightProfileChart* profile() const { return profile_; }
    QSlider* slider() const { return slider_; }
    FramePane* framePane() const { return framePane_; }
    FrameRenderThread& renderer() { return renderer_; }
    // The frame and mode of the picture shown; -1 before the first.
    int shownFrame() const { return shownFrame_; }
    RenderMode shownMode() const { return shownMode_; }
    QString statusText() const;

signals:
    void PlanShown();
    void FrameShown(int frame, int mode);

private:
    void BuildWindow();
    QWidget* BuildTimeline();
    void ShowPlan(PlanOutcomePtr outcome);
    void ChooseFrame(int frame);
    void RequestFrame(RenderMode mode);
    void ShowFrame(int frame, int mode, const QImage& picture);
    void ShowReadout();
    void ShowStatus(const QString& text);
    void PlayStep();
    bool Resting() const;

    Shell& shell_;
    QPointer<CVistagonView> form_;
    FlightPlanThread planner_;
    FrameRenderThread renderer_;
    QTimer replanTimer_;
    QTimer playTimer_;
    int requestedGeneration_ = 0;
    PlanOutcomePtr plan_;
    int currentFrame_ = 0;
    int shownFrame_ = -1;
    RenderMode shownMode_ = RenderMode::Raw;

    FlightMapView* map_ = nullptr;
    FlightProfileChart* profile_ = nullptr;
    FramePane* framePane_ = nullptr;
    QSlider* slider_ = nullptr;
    QPushButton* playButton_ = nullptr;
    QLabel* frameLabel_ = nullptr;
    QLabel* readout_ = nullptr;
    QLabel* status_ = nullptr;
};

// Opens the plan window of a form, or brings its open one to the front.
void OpenFlightPlan(Shell& shell, CVistagonView& form, QPointer<CFlightPlanView>& window);

}  // namespace vistagon::gui
