#include "CVistagonView.h"

#include "ColorSwatch.h"
#include "CustomColors.h"
#include "platform/BinaryFile.h"
#include "platform/FieldText.h"
#include "platform/GuiInteraction.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"
#include "platform/messages/SceneMessages.h"
#include "rendering/RenderLauncher.h"
#include "scene/SceneClipboardText.h"
#include "scene/SceneScript.h"
#include "shell/FileDialogs.h"
#include "shell/RecentFileList.h"
#include "shell/Shell.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <cerrno>
#include <cstdlib>

namespace vistagon::gui {

namespace {

using S = SceneParameters;

struct DoubleControl {
    int id;
    double S::* field;
};
struct IntControl {
    int id;
    int S::* field;
};
struct TextControl {
    int id;
    std::string S::* field;
};
struct CheckControl {
    int id;
    int S::* field;
};

const DoubleControl kDoubles[] = {
    {329, &S::XA}, {330, &S::XZ}, {331, &S::YA}, {332, &S::YZ}, {333, &S::ZA}, {334, &S::ZZ},
    {353, &S::HeadingA}, {354, &S::HeadingZ}, {382, &S::PitchA}, {383, &S::PitchZ},
    {348, &S::FocalLengthA}, {349, &S::FocalLengthZ}, {396, &S::RollA}, {398, &S::RollZ},
    {344, &S::ElevScaleZA}, {345, &S::ElevScaleZZ}, {340, &S::DustA}, {341, &S::DustZ},
    {342, &S::ElevScaleX}, {343, &S::ElevScaleY}, {312, &S::AverageHeight}, {384, &S::PreviewRange},
    {397, &S::RollFactor}, {368, &S::LightX}, {369, &S::LightY}, {370, &S::LightZ}, {402, &S::Smoothness},
};
const IntControl kInts[] = {
    {400, &S::SizeX}, {401, &S::SizeY}, {351, &S::GridX}, {352, &S::GridY},
    {413, &S::Total}, {378, &S::Offset}, {350, &S::From}, {412, &S::To},
};
const TextControl kTexts[] = {
    {395, &S::OutputFileName}, {409, &S::TextureFileName}, {346, &S::ElevationFileName}, {373, &S::MaskFileName},
};
const CheckControl kChecks[] = {
    {416, &S::UseTextureFile}, {415, &S::UseMaskFile}, {357, &S::HQ}, {390, &S::UseRecorder},
    {414, &S::UseBackgroundColor},
};

// The camera rows: label, first-frame control, last-frame control.
struct CameraRow {
    const char* label;
    int first;
    int last;
};
const CameraRow kCameraRows[] = {
    {"x:", 329, 330}, {"y:", 331, 332}, {"z:", 333, 334}, {"Heading:", 353, 354}, {"Pitch:", 382, 383},
    {"Focal length:", 348, 349}, {"Roll:", 396, 398}, {"Elev. z scale:", 344, 345}, {"Dust:", 340, 341},
};

// The nine values "First -> Last" carries over.
const std::pair<double S::*, double S::*> kFirstLast[] = {
    {&S::XA, &S::XZ}, {&S::YA, &S::YZ}, {&S::ZA, &S::ZZ}, {&S::HeadingA, &S::HeadingZ}, {&S::PitchA, &S::PitchZ},
    {&S::RollA, &S::RollZ}, {&S::FocalLengthA, &S::FocalLengthZ}, {&S::ElevScaleZA, &S::ElevScaleZZ},
    {&S::DustA, &S::DustZ},
};

// The framework's display of a double, 15 significant digits.
QString ShowDouble(double value)
{
    return QString::fromStdString(FormatText("%.15g", value));
}

}  // namespace

CVistagonView::CVistagonView(Shell& shell, QString untitledName, QWidget* parent)
    : QWidget(parent), shell_(shell), doc_(std::move(untitledName))
{
    setAttribute(Qt::WA_DeleteOnClose);
    BuildForm();
    UpdateTitle();
}

QLineEdit* CVistagonView::AddEdit(int id)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString("control%1").arg(id));
    connect(edit, &QLineEdit::textChanged, this, [this] { MarkModified(); });
    controls_.insert(id, edit);
    return edit;
}

QPushButton* CVistagonView::AddButton(int id, const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString("control%1").arg(id));
    controls_.insert(id, button);
    return button;
}

QCheckBox* CVistagonView::AddCheck(int id, const QString& text)
{
    auto* check = new QCheckBox(text, this);
    check->setObjectName(QString("control%1").arg(id));
    connect(check, &QCheckBox::clicked, this, [this] {
        UpdateEnabling();
        MarkModified();
    });
    controls_.insert(id, check);
    return check;
}

QRadioButton* CVistagonView::AddRadio(int id, const QString& text, QButtonGroup* group, int value)
{
    auto* radio = new QRadioButton(text, this);
    radio->setObjectName(QString("control%1").arg(id));
    group->addButton(radio, value);
    connect(radio, &QRadioButton::clicked, this, [this] {
        UpdateEnabling();
        MarkModified();
    });
    controls_.insert(id, radio);
    return radio;
}

QWidget* CVistagonView::BuildCameraGroup()
{
    auto* group = new QGroupBox("Camera:", this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel("First frame", group), 0, 1);
    grid->addWidget(new QLabel("Last frame", group), 0, 2);
    int row = 1;
    for (const CameraRow& r : kCameraRows) {
        grid->addWidget(new QLabel(r.label, group), row, 0);
        grid->addWidget(AddEdit(r.first), row, 1);
        grid->addWidget(AddEdit(r.last), row, 2);
        ++row;
    }
    return group;
}

QWidget* CVistagonView::BuildFilesGroup()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;

    auto* output = new QLabel("&Output File(s):", box);
    outputGroup_ = new QButtonGroup(this);
    auto* tga = AddRadio(410, "*.TGA", outputGroup_, 0);
    output->setBuddy(tga);
    auto* radios = new QHBoxLayout;
    radios->addWidget(tga);
    radios->addWidget(AddRadio(435, "*.YUV", outputGroup_, 1));
    radios->addWidget(AddRadio(411, "Both", outputGroup_, 2));
    radios->addStretch();
    grid->addWidget(output, row, 0);
    grid->addLayout(radios, row, 1, 1, 2);
    ++row;
    grid->addWidget(AddEdit(395), row, 1);
    grid->addWidget(AddButton(325, "Browse..."), row, 2);
    ++row;

    auto* texture = new QLabel("&Texture File:", box);
    texture->setBuddy(AddCheck(416, "Use It"));
    grid->addWidget(texture, row, 0);
    grid->addWidget(controls_[416], row, 1);
    ++row;
    grid->addWidget(AddEdit(409), row, 1);
    grid->addWidget(AddButton(326, "Browse..."), row, 2);
    ++row;

    auto* elevation = new QLabel("&Elevation File:", box);
    auto* scales = new QHBoxLayout;
    scales->addWidget(new QLabel("Scale:  x:", box));
    scales->addWidget(AddEdit(342));
    scales->addWidget(new QLabel("y:", box));
    scales->addWidget(AddEdit(343));
    elevation->setBuddy(controls_[342]);
    grid->addWidget(elevation, row, 0);
    grid->addLayout(scales, row, 1);
    ++row;
    grid->addWidget(AddEdit(346), row, 1);
    grid->addWidget(AddButton(316, "Browse..."), row, 2);
    ++row;

    auto* mask = new QLabel("&Mask File:", box);
    mask->setBuddy(AddCheck(415, "Use It"));
    grid->addWidget(mask, row, 0);
    grid->addWidget(controls_[415], row, 1);
    ++row;
    grid->addWidget(AddEdit(373), row, 1);
    grid->addWidget(AddButton(321, "Browse..."), row, 2);

    connect(static_cast<QPushButton*>(controls_[325]), &QPushButton::clicked, this, [this] { BrowseFile(395, false); });
    connect(static_cast<QPushButton*>(controls_[326]), &QPushButton::clicked, this, [this] { BrowseFile(409, true); });
    connect(static_cast<QPushButton*>(controls_[316]), &QPushButton::clicked, this, [this] { BrowseFile(346, true); });
    connect(static_cast<QPushButton*>(controls_[321]), &QPushButton::clicked, this, [this] { BrowseFile(373, true); });
    return box;
}

QWidget* CVistagonView::BuildSettingsGroup()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto pair = [&](const char* a, int idA, const char* b, int idB) {
        auto* line = new QHBoxLayout;
        line->addWidget(new QLabel(a, box));
        line->addWidget(AddEdit(idA));
        line->addWidget(new QLabel(b, box));
        line->addWidget(AddEdit(idB));
        return line;
    };
    int row = 0;
    auto* quality = new QLabel("&Quality:", box);
    quality->setBuddy(AddCheck(357, "HQ"));
    grid->addWidget(quality, row, 0);
    grid->addWidget(controls_[357], row, 1);
    ++row;
    grid->addWidget(new QLabel("Size:", box), row, 0);
    grid->addLayout(pair("x:", 400, "y:", 401), row, 1);
    ++row;
    grid->addWidget(new QLabel("Grid:", box), row, 0);
    grid->addLayout(pair("x:", 351, "y:", 352), row, 1);
    ++row;

    auto* security = new QLabel("Flight &Security:", box);
    auto* heights = new QHBoxLayout;
    heights->addWidget(new QLabel("Av. Height:", box));
    heights->addWidget(AddEdit(312));
    heights->addWidget(new QLabel("Range:", box));
    heights->addWidget(AddEdit(384));
    heights->addWidget(new QLabel("Roll Factor:", box));
    heights->addWidget(AddEdit(397));
    security->setBuddy(controls_[312]);
    grid->addWidget(security, row, 0);
    grid->addLayout(heights, row, 1);
    ++row;

    auto* path = new QLabel("Flight &Path:", box);
    pathGroup_ = new QButtonGroup(this);
    auto* line = new QHBoxLayout;
    line->addWidget(AddRadio(403, "Straight", pathGroup_, 0));
    line->addWidget(AddRadio(338, "Curve", pathGroup_, 1));
    // A curve is a loop back to its first point, or a run from its first point to its last.
    endsGroup_ = new QButtonGroup(this);
    line->addWidget(AddRadio(kClosedCurveControl, "Closed", endsGroup_, SceneParameters::kClosedCurve));
    line->addWidget(AddRadio(kOpenCurveControl, "Open", endsGroup_, SceneParameters::kOpenCurve));
    line->addWidget(AddButton(399, "Set..."));
    line->addWidget(AddCheck(390, "Recorder"));
    line->addStretch();
    path->setBuddy(controls_[403]);
    grid->addWidget(path, row, 0);
    grid->addLayout(line, row, 1);
    ++row;

    auto* frames = new QLabel("Frame &Number:", box);
    auto* numbers = new QHBoxLayout;
    for (const auto& [label, id] : {std::pair{"Total:", 413}, {"Offset:", 378}, {"From:", 350}, {"To:", 412}}) {
        numbers->addWidget(new QLabel(label, box));
        numbers->addWidget(AddEdit(id));
    }
    frames->setBuddy(controls_[413]);
    grid->addWidget(frames, row, 0);
    grid->addLayout(numbers, row, 1);
    ++row;

    auto* environment = new QLabel("En&vironment:", box);
    auto* light = new QHBoxLayout;
    light->addWidget(new QLabel("Light:  x:", box));
    light->addWidget(AddEdit(368));
    light->addWidget(new QLabel("y:", box));
    light->addWidget(AddEdit(369));
    light->addWidget(new QLabel("z:", box));
    light->addWidget(AddEdit(370));
    environment->setBuddy(controls_[368]);
    grid->addWidget(environment, row, 0);
    grid->addLayout(light, row, 1);
    ++row;
    auto* sky = new QHBoxLayout;
    sky->addWidget(new QLabel("Smoothness:", box));
    sky->addWidget(AddEdit(402));
    sky->addWidget(AddCheck(414, "Background Color"));
    swatch_ = new ColorSwatch(box);
    controls_.insert(951, swatch_);
    sky->addWidget(swatch_);
    sky->addWidget(AddButton(315, "Browse..."));
    sky->addStretch();
    grid->addLayout(sky, row, 1);

    connect(static_cast<QPushButton*>(controls_[399]), &QPushButton::clicked, this, [this] { SetPath(); });
    connect(static_cast<QPushButton*>(controls_[315]), &QPushButton::clicked, this, [this] { BrowseColour(); });
    return box;
}

void CVistagonView::BuildForm()
{
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    columns->addWidget(BuildCameraGroup(), 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildFilesGroup());
    right->addWidget(BuildSettingsGroup());
    right->addStretch();
    columns->addLayout(right, 1);
    columns->addStretch(0);
    page->setMaximumWidth(1100);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

void CVistagonView::LoadDefaults()
{
    values_ = vistagon::LoadDefaults();
    ShowValues();
    SetModified(false);
}

bool CVistagonView::LoadScene(const QString& path)
{
    SceneParameters scene;
    if (!vistagon::LoadScene(path.toStdString(), scene)) return false;
    values_ = scene;
    doc_.SetPath(path);
    ShowValues();
    SetModified(false);
    return true;
}

void CVistagonView::ShowValues()
{
    showing_ = true;
    for (const auto& c : kDoubles) static_cast<QLineEdit*>(controls_[c.id])->setText(ShowDouble(values_.*c.field));
    for (const auto& c : kInts) static_cast<QLineEdit*>(controls_[c.id])->setText(QString::number(values_.*c.field));
    for (const auto& c : kTexts) static_cast<QLineEdit*>(controls_[c.id])->setText(QString::fromStdString(values_.*c.field));
    for (const auto& c : kChecks) static_cast<QCheckBox*>(controls_[c.id])->setChecked(values_.*c.field != 0);
    if (auto* button = outputGroup_->button(static_cast<int>(values_.OutputFileFormat))) button->setChecked(true);
    if (auto* button = pathGroup_->button(values_.IsCurved() ? 1 : 0)) button->setChecked(true);
    const bool open = values_.PathType == SceneParameters::kOpenCurve;
    endsGroup_->button(open ? SceneParameters::kOpenCurve : SceneParameters::kClosedCurve)->setChecked(true);
    swatch_->setColour(values_.BackgroundColor);
    showing_ = false;
    UpdateEnabling();
}

void CVistagonView::UpdateEnabling()
{
    const auto checked = [this](int id) { return static_cast<QCheckBox*>(controls_[id])->isChecked(); };
    controls_[409]->setEnabled(checked(416));
    controls_[326]->setEnabled(checked(416));
    controls_[373]->setEnabled(checked(415));
    controls_[321]->setEnabled(checked(415));
    controls_[315]->setEnabled(checked(414));
    controls_[399]->setEnabled(pathGroup_->checkedId() == 1);
    controls_[kClosedCurveControl]->setEnabled(pathGroup_->checkedId() == 1);
    controls_[kOpenCurveControl]->setEnabled(pathGroup_->checkedId() == 1);
}

std::optional<SceneParameters> CVistagonView::TakeValues()
{
    ControlReading reading = ReadControls();
    if (!reading.values) {
        shell_.Messages().ShowMessage(reading.failedInteger ? "Please enter an integer." : "Please enter a number.",
                                      MessageIcon::Warning);
        FocusControl(reading.failedControl);
        return std::nullopt;
    }
    values_ = *reading.values;
    return reading.values;
}

std::optional<SceneParameters> CVistagonView::PeekValues() const
{
    return ReadControls().values;
}

CVistagonView::ControlReading CVistagonView::ReadControls() const
{
    ControlReading reading;
    SceneParameters scene = values_;
    for (const auto& c : kDoubles) {
        const std::optional<double> value = ParseFieldDouble(static_cast<QLineEdit*>(controls_[c.id])->text());
        if (!value) {
            reading.failedControl = c.id;
            return reading;
        }
        scene.*c.field = *value;
    }
    for (const auto& c : kInts) {
        const std::optional<int> value = ParseFieldInt(static_cast<QLineEdit*>(controls_[c.id])->text());
        if (!value) {
            reading.failedControl = c.id;
            reading.failedInteger = true;
            return reading;
        }
        scene.*c.field = *value;
    }
    for (const auto& c : kTexts) scene.*c.field = static_cast<QLineEdit*>(controls_[c.id])->text().toStdString();
    for (const auto& c : kChecks) scene.*c.field = static_cast<QCheckBox*>(controls_[c.id])->isChecked() ? 1 : 0;
    scene.OutputFileFormat = static_cast<OutputKind>(std::max(0, outputGroup_->checkedId()));
    scene.PathType = pathGroup_->checkedId() == 1 ? endsGroup_->checkedId() : SceneParameters::kStraightPath;
    scene.BackgroundColor = swatch_->colour();
    reading.values = scene;
    return reading;
}

void CVistagonView::FocusControl(int id)
{
    QWidget* control = controls_.value(id);
    if (!control) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->mdiArea()->setActiveSubWindow(sub);
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->selectAll();
        edit->setCursorPosition(edit->text().size());
        edit->selectAll();
    }
    for (QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
        if (auto* scroll = qobject_cast<QScrollArea*>(w)) {
            scroll->ensureWidgetVisible(control);
            break;
        }
    }
}

void CVistagonView::ShowProblem(const SceneProblem& problem)
{
    shell_.Messages().ShowMessage(problem.message, MessageIcon::Stop);
    FocusControl(problem.control);
}

void CVistagonView::MarkModified()
{
    if (!showing_) SetModified(true);
    emit ValuesChanged();
}

void CVistagonView::SetModified(bool modified)
{
    doc_.SetModified(modified);
    UpdateTitle();
}

void CVistagonView::UpdateTitle()
{
    setWindowTitle(doc_.title() + "[*]");
    setWindowModified(doc_.IsModified());
}

void CVistagonView::SetJobRunning(bool running)
{
    jobRunning_ = running;
    shell_.UpdateCommands();
}

bool CVistagonView::IsEnabled(Command command) const
{
    switch (command) {
    case Command::Save:
    case Command::SaveAs:
    case Command::Copy:
    case Command::FirstToLast:
    case Command::LastToFirst: return true;
    case Command::Paste: return ClipboardHasScene();
    case Command::CalculatePreview:
    case Command::CalculateRaw:
    case Command::CalculateFinal: return !jobRunning_;
    case Command::FlightPlan: return true;
    default: return false;
    }
}

void CVistagonView::Execute(Command command)
{
    switch (command) {
    case Command::Save: Save(); break;
    case Command::SaveAs: SaveAs(); break;
    case Command::Copy: CopyToClipboard(); break;
    case Command::Paste: PasteFromClipboard(); break;
    case Command::FirstToLast: CopyFirstToLast(true); break;
    case Command::LastToFirst: CopyFirstToLast(false); break;
    case Command::CalculatePreview: RunCalculate(RenderMode::Preview); break;
    case Command::CalculateRaw: RunCalculate(RenderMode::Raw); break;
    case Command::CalculateFinal: RunCalculate(RenderMode::Final); break;
    case Command::FlightPlan: OpenFlightPlan(shell_, *this, planWindow_); break;
    default: break;
    }
}

CalculateResult CVistagonView::RunCalculate(RenderMode mode)
{
    if (jobRunning_) return {};
    CalculateResult result = CalculateInRenderingWindow(shell_, sceneForm_, mode);
    if (result.problem) ShowProblem(*result.problem);
    return result;
}

bool CVistagonView::Save()
{
    if (doc_.path().isEmpty()) return SaveAs();
    const std::optional<SceneParameters> scene = TakeValues();
    if (!scene) return false;
    NoProgressText status;
    GuiInteraction interaction(shell_.Messages(), status);
    AppContext context{interaction, shell_.AppProfile()};
    int failed = 0;
    if (!SaveScene(context, *scene, doc_.path().toStdString(), &failed)) {
        if (failed != 0) FocusControl(failed);
        return false;
    }
    SetModified(false);
    return true;
}

bool CVistagonView::SaveAs()
{
    const QString initial = doc_.path().isEmpty() ? doc_.title() : doc_.path();
    const QString path = FileDialogs::PromptSave(shell_.DialogParent(), shell_.AppProfile(), WindowKind::Scene, initial);
    if (path.isEmpty()) return false;
    const CVistagonDoc previous = doc_;
    doc_.SetPath(path);
    if (Save()) return true;
    doc_ = previous;
    UpdateTitle();
    return false;
}

bool CVistagonView::RefusedForOpenPathEditor()
{
    if (!pathEditorOpen_) return false;
    shell_.Messages().ShowMessage(msg::kPathEditorOpen.text, MessageIcon::Stop);
    return true;
}

bool CVistagonView::MayClose()
{
    if (RefusedForOpenPathEditor()) return false;
    if (jobRunning_) {
        shell_.Messages().ShowMessage(msg::kRenderingWindowOpen.text, MessageIcon::Stop);
        return false;
    }
    if (doc_.IsModified()) {
        const std::string question = "Save changes to " + doc_.title().toStdString() + "?";
        switch (shell_.Messages().Ask(question, QuestionButtons::YesNoCancel, MessageIcon::Warning)) {
        case Answer::Yes:
            if (!Save()) return false;
            break;
        case Answer::No: break;
        default: return false;
        }
    }
    if (!doc_.path().isEmpty() && !doc_.path().contains("untitled"))
        RecentFileList::Add(shell_.AppProfile(), doc_.path());
    return true;
}

void CVistagonView::BrowseFile(int editId, bool mustExist)
{
    auto* edit = static_cast<QLineEdit*>(controls_[editId]);
    QFileDialog dialog(shell_.DialogParent(), "Browse", QFileInfo(edit->text()).absolutePath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({"TGA files (*.tga)", "All files (*.*)"});
    dialog.setDefaultSuffix("tga");
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!edit->text().isEmpty()) dialog.selectFile(edit->text());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString chosen = dialog.selectedFiles().first();
    // Names are kept lower-case; on a case-sensitive file system only where that still names the file.
    const QString lower = chosen.toLower();
    const bool sameFile = mustExist ? QFileInfo::exists(lower) : QFileInfo(lower).absoluteDir().exists();
    edit->setText(sameFile ? lower : chosen);
    MarkModified();
}

void CVistagonView::BrowseColour()
{
    const std::optional<uint32_t> colour = CustomColors::Choose(shell_.DialogParent(), shell_.AppProfile(), swatch_->colour());
    if (!colour) return;
    swatch_->setColour(*colour);
    values_.BackgroundColor = *colour;
    MarkModified();
}

void CVistagonView::SetPath()
{
    // A second editor would start from the form's old points and hand them back over the first one's.
    if (RefusedForOpenPathEditor()) return;
    const bool texture = static_cast<QCheckBox*>(controls_[416])->isChecked();
    const QString picture = static_cast<QLineEdit*>(controls_[texture ? 409 : 346])->text();
    if (!CanOpenForReading(picture.toStdString())) {
        shell_.Messages().ShowMessage(FormatText(msg::kCannotOpenFile.text, picture.toStdString().c_str()),
                                      MessageIcon::Stop);
        return;
    }
    const std::vector<PathPoint> points(values_.PathPoints.begin(), values_.PathPoints.begin() + values_.PathPointCount());
    if (OpenPathEditor(shell_, picture, points, *this)) pathEditorOpen_ = true;
}

void CVistagonView::ApplyPathPoints(const std::vector<PathPoint>& points)
{
    const size_t count = std::min(points.size(), static_cast<size_t>(SceneParameters::kMaxPathPoints));
    for (size_t i = 0; i < values_.PathPoints.size(); ++i) values_.PathPoints[i] = i < count ? points[i] : PathPoint{};
    values_.LastPathPoint = static_cast<int>(count) - 1;
    SetModified(true);
    emit ValuesChanged();
}

void CVistagonView::PathEditorClosed()
{
    pathEditorOpen_ = false;
}

CurveEnds CVistagonView::PathEnds() const
{
    return endsGroup_->checkedId() == SceneParameters::kOpenCurve ? CurveEnds::Open : CurveEnds::Closed;
}

void CVistagonView::ApplyPathEnds(CurveEnds ends)
{
    const int type = ends == CurveEnds::Open ? SceneParameters::kOpenCurve : SceneParameters::kClosedCurve;
    endsGroup_->button(type)->setChecked(true);
    pathGroup_->button(1)->setChecked(true);
    values_.PathType = type;
    UpdateEnabling();
    SetModified(true);
}

void CVistagonView::CopyFirstToLast(bool forward)
{
    if (!TakeValues()) return;
    for (const auto& [first, last] : kFirstLast) {
        if (forward) values_.*last = values_.*first;
        else values_.*first = values_.*last;
    }
    ShowValues();
    SetModified(true);
}

void CVistagonView::CopyToClipboard()
{
    const std::optional<SceneParameters> scene = TakeValues();
    if (!scene) return;
    QApplication::clipboard()->setText(QString::fromStdString(SceneClipboardText::Format(*scene)));
}

bool CVistagonView::ClipboardHasScene() const
{
    return SceneClipboardText::HasHeader(QApplication::clipboard()->text().toStdString());
}

void CVistagonView::PasteFromClipboard()
{
    const std::string text = QApplication::clipboard()->text().toStdString();
    if (!SceneClipboardText::Parse(text, values_)) return;
    ShowValues();
    SetModified(true);
}

}  // namespace vistagon::gui
