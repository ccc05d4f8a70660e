#pragma once

#include "CVistagonDoc.h"
#include "flight/Calculate.h"
#include "pathedit/PathEditorLauncher.h"
#include "plan/CFlightPlanView.h"
#include "shell/ChildWindow.h"

#include <QMap>
#include <QPointer>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vistagon::gui {

class ColorSwatch;
class Shell;

// The scene form: every value of a scene in its control, the enabling rules,
// the file and colour choosers, validation with the failing control focused,
// the clipboard text and the Calculate commands.
class CVistagonView : public QWidget, public ChildWindow, public PathEditorClient {
    Q_OBJECT
public:
    // The closed/open choice of a curve, beside "Straight" and "Curve".
    static constexpr int kClosedCurveControl = 441;
    static constexpr int kOpenCurveControl = 442;

    CVistagonView(Shell& shell, QString untitledName, QWidget* parent = nullptr);

    // The new-document path.
    void LoadDefaults();
    // False when the file is not a scene script.
    bool LoadScene(const QString& path);

    // The control of a resource ID of the form (e.g. 350 for "From:").
    QWidget* Control(int id) const { return controls_.value(id); }
    CVistagonDoc& document() { return doc_; }
    const SceneParameters& values() const { return values_; }
    bool PathEditorOpen() const { return pathEditorOpen_; }
    bool JobRunning() const { return jobRunning_; }

    // Calculate Preview, Raw or Final in a rendering window; validation
    // failures are shown and focused here.
    CalculateResult RunCalculate(RenderMode mode);
    bool Save();
    bool SaveAs();

    // ChildWindow
    WindowKind Kind() const override { return WindowKind::Scene; }
    bool IsEnabled(Command command) const override;
    void Execute(Command command) override;
    bool MayClose() override;
    QString DocumentPath() const override { return doc_.path(); }

    // The controls into the fields; none (after the parsing message, with the
    // control focused) when one does not parse.
    std::optional<SceneParameters> TakeValues();
    // The same without a word to the user and without keeping them; none when a control does not parse.
    std::optional<SceneParameters> PeekValues() const;
    void SetModified(bool modified);
    void SetJobRunning(bool running);
    // What the render job sees of this form.
    SceneForm& sceneForm() { return sceneForm_; }

    // PathEditorClient
    void ApplyPathPoints(const std::vector<PathPoint>& points) override;
    void PathEditorClosed() override;
    CurveEnds PathEnds() const override;
    void ApplyPathEnds(CurveEnds ends) override;

signals:
    // A control or the path points changed (the flight plan follows).
    void ValuesChanged();

private:
    struct ControlReading {
        std::optional<SceneParameters> values;
        int failedControl = 0;  // the edit that does not parse
        bool failedInteger = false;
    };
    ControlReading ReadControls() const;

    // SceneForm and ChildWindow both name a DocumentPath; the job's view is a member.
    class JobForm : public SceneForm {
    public:
        explicit JobForm(CVistagonView& view) : view_(view) {}
        std::optional<SceneParameters> TakeValues() override { return view_.TakeValues(); }
        std::string DocumentPath() const override { return view_.doc_.path().toStdString(); }
        bool IsModified() const override { return view_.doc_.IsModified(); }
        void SetModified(bool modified) override { view_.SetModified(modified); }
        void SetJobRunning(bool running) override { view_.SetJobRunning(running); }

    private:
        CVistagonView& view_;
    };

    void BuildForm();
    QWidget* BuildCameraGroup();
    QWidget* BuildFilesGroup();
    QWidget* BuildSettingsGroup();
    QLineEdit* AddEdit(int id);
    QPushButton* AddButton(int id, const QString& text);
    QCheckBox* AddCheck(int id, const QString& text);
    QRadioButton* AddRadio(int id, const QString& text, QButtonGroup* group, int value);

    void ShowValues();
    void UpdateEnabling();
    void FocusControl(int id);
    void ShowProblem(const SceneProblem& problem);
    void MarkModified();
    void UpdateTitle();
    // The open-editor message when this form's path editor is open.
    bool RefusedForOpenPathEditor();

    void BrowseFile(int editId, bool mustExist);
    void BrowseColour();
    void SetPath();
    void CopyFirstToLast(bool forward);
    void CopyToClipboard();
    void PasteFromClipboard();
    bool ClipboardHasScene() const;

    Shell& shell_;
    CVistagonDoc doc_;
    SceneParameters values_;
    QMap<int, QWidget*> controls_;
    QButtonGroup* outputGroup_ = nullptr;
    QButtonGroup* pathGroup_ = nullptr;
    QButtonGroup* endsGroup_ = nullptr;  // a curve's closed loop or open run
    ColorSwatch* swatch_ = nullptr;
    bool showing_ = false;
    bool pathEditorOpen_ = false;
    bool jobRunning_ = false;
    JobForm sceneForm_{*this};
    QPointer<CFlightPlanView> planWindow_;
};

}  // namespace vistagon::gui
