#include "CFlightPlanView.h"

#include "BackgroundInteraction.h"
#include "FlightMapView.h"
#include "FlightProfileChart.h"
#include "FramePane.h"
#include "rendering/RenderLauncher.h"
#include "scene/CVistagonView.h"
#include "shell/Shell.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vistagon::gui {

namespace {

const PlannedFrame* FrameOf(const PlanOutcomePtr& outcome, int index)
{
    return outcome ? outcome->Frame(index) : nullptr;
}

QString Number(double value)
{
    return QString::number(value, 'f', 3);
}

}  // namespace

CFlightPlanView::CFlightPlanView(Shell& shell, CVistagonView& form)
    : shell_(shell), form_(&form), planner_(shell.AppProfile()), renderer_(shell.AppProfile())
{
    BuildWindow();
    replanTimer_.setSingleShot(true);
    replanTimer_.setInterval(kReplanDelayMs);
    playTimer_.setInterval(1000 / kFramesPerSecond);
    connect(&replanTimer_, &QTimer::timeout, this, &CFlightPlanView::Replan);
    connect(&playTimer_, &QTimer::timeout, this, &CFlightPlanView::PlayStep);
    connect(&form, &CVistagonView::ValuesChanged, this, [this] { replanTimer_.start(); });
    connect(&form, &QObject::destroyed, this, [this] {
        if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget())) window->close();
    });
    connect(&planner_, &FlightPlanThread::Planned, this, &CFlightPlanView::ShowPlan);
    connect(&renderer_, &FrameRenderThread::Rendered, this, &CFlightPlanView::ShowFrame);
    connect(&renderer_, &FrameRenderThread::Failed, this, [this](int frame, const QString& text) {
        if (frame == currentFrame_) ShowStatus(text);
    });
    setWindowTitle("Flight Plan - " + QFileInfo(form.windowTitle().remove("[*]")).fileName());
    Replan();
}

// Both workers stop at their next cancel test and are gone before the window.
CFlightPlanView::~CFlightPlanView()
{
    planner_.Stop();
    renderer_.Stop();
}

QString CFlightPlanView::DocumentPath() const
{
    return form_ ? form_->DocumentPath() : QString();
}

QString CFlightPlanView::statusText() const
{
    return status_->text();
}

void CFlightPlanView::BuildWindow()
{
    map_ = new FlightMapView(this);
    profile_ = new FlightProfileChart(this);
    framePane_ = new FramePane(this);
    auto* left = new QSplitter(Qt::Vertical, this);
    left->addWidget(map_);
    left->addWidget(profile_);
    left->setStretchFactor(0, 3);
    left->setStretchFactor(1, 1);

    auto* render = new QPushButton("Render this frame", this);
    connect(render, &QPushButton::clicked, this, &CFlightPlanView::RenderThisFrame);
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(framePane_, 1);
    rightLayout->addWidget(BuildTimeline());
    rightLayout->addWidget(render, 0, Qt::AlignLeft);

    auto* panes = new QSplitter(Qt::Horizontal, this);
    panes->addWidget(left);
    panes->addWidget(right);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panes, 1);
    layout->addWidget(status_);
    connect(profile_, &FlightProfileChart::FramePicked, slider_, &QSlider::setValue);
    // The keys step through the frames as soon as the window is active.
    setFocusProxy(slider_);
}

QWidget* CFlightPlanView::BuildTimeline()
{
    auto* box = new QWidget(this);
    slider_ = new QSlider(Qt::Horizontal, box);
    playButton_ = new QPushButton("Play", box);
    auto* back = new QToolButton(box);
    back->setText("<");
    auto* forward = new QToolButton(box);
    forward->setText(">");
    frameLabel_ = new QLabel(box);
    readout_ = new QLabel(box);
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* controls = new QHBoxLayout;
    controls->addWidget(back);
    controls->addWidget(playButton_);
    controls->addWidget(forward);
    controls->addWidget(slider_, 1);
    controls->addWidget(frameLabel_);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(controls);
    layout->addWidget(readout_);

    connect(slider_, &QSlider::valueChanged, this, &CFlightPlanView::ChooseFrame);
    connect(slider_, &QSlider::sliderReleased, this, [this] { RequestFrame(RenderMode::Final); });
    connect(playButton_, &QPushButton::clicked, this, [this] { playing() ? Pause() : Play(); });
    connect(back, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(forward, &QToolButton::clicked, this, [this] { Step(1); });
    return box;
}

void CFlightPlanView::Replan()
{
    replanTimer_.stop();
    if (!form_) return;
    const std::optional<SceneParameters> values = form_->PeekValues();
    if (!values) {
        ShowStatus("A field of the scene form does not hold a number; the plan shows its last values.");
        return;
    }
    planner_.Plan(++requestedGeneration_, *values, form_->DocumentPath().toStdString());
}

void CFlightPlanView::ShowPlan(PlanOutcomePtr outcome)
{
    // A plan of values the form no longer holds.
    if (outcome->generation != requestedGeneration_) return;
    ShowStatus(JoinMessages(outcome->messages));
    if (!outcome->usable()) return;
    plan_ = std::move(outcome);
    map_->SetPlan(plan_);
    profile_->SetPlan(plan_);
    const FlightPlan& frames = plan_->plan();
    if (frames.empty()) {
        ShowStatus("The flight has no frame to show.");
    } else {
        const QSignalBlocker quiet(slider_);
        slider_->setRange(frames.front().index, frames.back().index);
        slider_->setValue(std::clamp(currentFrame_, frames.front().index, frames.back().index));
    }
    ChooseFrame(slider_->value());
    emit PlanShown();
}

void CFlightPlanView::ChooseFrame(int frame)
{
    currentFrame_ = frame;
    map_->SetCurrentFrame(frame);
    profile_->SetCurrentFrame(frame);
    ShowReadout();
    RequestFrame(Resting() ? RenderMode::Final : RenderMode::Raw);
}

bool CFlightPlanView::Resting() const
{
    return !slider_->isSliderDown() && !playing();
}

void CFlightPlanView::RequestFrame(RenderMode mode)
{
    if (FrameOf(plan_, currentFrame_) == nullptr) return;
    renderer_.Render(plan_->values, plan_->documentPath, currentFrame_, mode);
}

void CFlightPlanView::ShowFrame(int frame, int mode, const QImage& picture)
{
    if (frame != currentFrame_) return;
    // A Raw picture that comes after the Final one of the same frame stays unseen.
    if (shownFrame_ == frame && shownMode_ == RenderMode::Final && mode == static_cast<int>(RenderMode::Raw)) return;
    shownFrame_ = frame;
    shownMode_ = static_cast<RenderMode>(mode);
    framePane_->Show(picture);
    emit FrameShown(frame, mode);
}

void CFlightPlanView::ShowReadout()
{
    const PlannedFrame* frame = FrameOf(plan_, currentFrame_);
    if (frame == nullptr) {
        frameLabel_->clear();
        readout_->clear();
        return;
    }
    frameLabel_->setText(QString("Frame %1 (%2 to %3)").arg(frame->index).arg(slider_->minimum()).arg(slider_->maximum()));
    const RecorderRow& r = frame->record;
    readout_->setText(QString("x %1   y %2   altitude %3   above ground %4   pitch %5   roll %6")
                          .arg(Number(r.x), Number(r.y), Number(r.altitude), Number(r.relativeAltitude),
                               Number(r.pitch), Number(r.roll)));
}

void CFlightPlanView::ShowStatus(const QString& text)
{
    status_->setText(text);
}

void CFlightPlanView::Play()
{
    if (!plan_ || plan_->plan().empty()) return;
    if (slider_->value() == slider_->maximum()) slider_->setValue(slider_->minimum());
    playTimer_.start();
    playButton_->setText("Pause");
}

void CFlightPlanView::Pause()
{
    if (!playing()) return;
    playTimer_.stop();
    playButton_->setText("Play");
    RequestFrame(RenderMode::Final);
}

void CFlightPlanView::PlayStep()
{
    // Never faster than the frames are drawn: each newer request would stop the one before.
    if (shownFrame_ != currentFrame_) return;
    if (slider_->value() >= slider_->maximum()) {
        Pause();
        return;
    }
    slider_->setValue(slider_->value() + 1);
}

void CFlightPlanView::Step(int frames)
{
    Pause();
    slider_->setValue(slider_->value() + frames);
}

void CFlightPlanView::RenderThisFrame()
{
    if (!form_ || FrameOf(plan_, currentFrame_) == nullptr) return;
    CalculateInRenderingWindow(shell_, form_->sceneForm(), RenderMode::Final, FrameRange{currentFrame_, currentFrame_});
}

void OpenFlightPlan(Shell& shell, CVistagonView& form, QPointer<CFlightPlanView>& window)
{
    if (window) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) sub->mdiArea()->setActiveSubWindow(sub);
        return;
    }
    window = new CFlightPlanView(shell, form);
    shell.AddChildWindow(window)->showMaximized();
}

}  // namespace vistagon::gui
