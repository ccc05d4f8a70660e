#pragma once

#include "FileChooser.h"
#include "platform/AppContext.h"
#include "platform/GuiInteraction.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QGridLayout;

namespace vistagon::gui {

class Shell;

// The resource of one converter dialog: its title, help page and the settings
// of its source and target file dialogs.
struct ConvertDialogResource {
    QString title;
    QString helpTopic;
    QString sourceExtension;
    QString sourceFilter;
    QString targetExtension;
    QString targetFilter;
    QString sourceLabel = QStringLiteral("&From File:");
};

// The modal dialog of every import filter and image tool: From File and To
// File with Browse buttons, further input files where a tool has them, a status
// text, OK (enabled by the dialog's rule) that runs the engine job while the
// controls are disabled, and Cancel that stops the job at its next row or
// closes the idle dialog.
class CConvertDialog : public QDialog, private ProgressText {
    Q_OBJECT
public:
    CConvertDialog(Shell& shell, FileChooser& files, ConvertDialogResource resource, QWidget* parent = nullptr);
    ~CConvertDialog() override;

    QLineEdit* sourceEdit() const { return sourceEdit_; }
    QLineEdit* targetEdit() const { return targetEdit_; }
    QPushButton* sourceBrowseButton() const { return sourceBrowse_; }
    QPushButton* targetBrowseButton() const { return targetBrowse_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QString statusText() const;
    bool IsConverting() const { return running_ != nullptr; }

    void reject() override;

signals:
    // Every status text the running job shows ("%d%%" and the like).
    void statusChanged(const QString& text);

protected:
    // A further input file of a tool (palette, matrix, second file, mask) with
    // its own Browse button; it must be chosen before OK is enabled.
    struct InputFile {
        QLineEdit* edit = nullptr;
        QPushButton* browse = nullptr;
        bool chosen = false;
    };

    // Takes the controls into the members; false after a validation message.
    virtual bool ReadControls() { return true; }
    // Runs the engine job; success or failure as the dialog's filter defines it.
    virtual bool Convert(AppContext& context) = 0;
    // The dialog's extra OK condition beyond the chosen source and target.
    virtual bool ExtraInputsReady() const { return true; }
    // After Browse source chose a file (the scans of the ASCII imports).
    virtual void SourceChosen() {}
    // The source Browse; the DEM dialog selects several files.
    virtual void BrowseSource();

    // The area between the file fields and the status text for the dialog's own controls.
    QVBoxLayout* body() const { return body_; }
    InputFile* AddInputFile(QGridLayout* grid, int row, const QString& label, const FileRequest& request);
    // A button disabled during conversions with the Browse buttons.
    void AddLockedControl(QWidget* control) { locked_.push_back(control); }

    void UpdateOkButton();
    void DisableControls();
    void EnableControls();
    // Leaves the dialog open after a successful run (the stop flag set by the job's end).
    void KeepOpen() { stop_ = true; }
    // Runs work (a scan) with this dialog's interaction while the controls are
    // disabled; Cancel stops it. Returns what the work returned.
    bool RunJob(const std::function<bool(AppContext&)>& work);
    // RunJob for work that never closes the dialog: the controls come back after it.
    bool RunScan(const std::function<bool(AppContext&)>& work);
    void SetSourceChosen() { sourceChosen_ = true; }

    Shell& shell() { return shell_; }
    MessagePresenter& messages();
    FileChooser& files() { return files_; }
    const ConvertDialogResource& resource() const { return resource_; }

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetText(std::string_view text) override;
    void BuildFileRows();
    void BrowseTarget();
    void OnOk();
    void ShowHelp();

    Shell& shell_;
    FileChooser& files_;
    ConvertDialogResource resource_;
    QLineEdit* sourceEdit_;
    QLineEdit* targetEdit_;
    QPushButton* sourceBrowse_;
    QPushButton* targetBrowse_;
    QVBoxLayout* body_;
    QLabel* status_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QPushButton* helpButton_;
    std::vector<std::unique_ptr<InputFile>> inputs_;
    std::vector<QWidget*> locked_;
    std::unique_ptr<GuiInteraction> running_;
    bool stop_ = true;
    bool sourceChosen_ = false;
    bool targetChosen_ = false;
};

}  // namespace vistagon::gui
