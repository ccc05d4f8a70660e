#include "CConvertDialog.h"

#include "shell/Shell.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

namespace vistagon::gui {

CConvertDialog::CConvertDialog(Shell& shell, FileChooser& files, ConvertDialogResource resource, QWidget* parent)
    : QDialog(parent), shell_(shell), files_(files), resource_(std::move(resource))
{
    setWindowTitle(resource_.title);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    sourceEdit_ = new QLineEdit(this);
    targetEdit_ = new QLineEdit(this);
    sourceBrowse_ = new QPushButton(QStringLiteral("&Browse..."), this);
    targetBrowse_ = new QPushButton(QStringLiteral("B&rowse..."), this);
    auto* sourceLabel = new QLabel(resource_.sourceLabel, this);
    sourceLabel->setBuddy(sourceEdit_);
    auto* targetLabel = new QLabel(QStringLiteral("&To File:"), this);
    targetLabel->setBuddy(targetEdit_);
    grid->addWidget(sourceLabel, 0, 0);
    grid->addWidget(sourceEdit_, 0, 1);
    grid->addWidget(sourceBrowse_, 0, 2);
    grid->addWidget(targetLabel, 1, 0);
    grid->addWidget(targetEdit_, 1, 1);
    grid->addWidget(targetBrowse_, 1, 2);
    sourceEdit_->setMinimumWidth(320);

    body_ = new QVBoxLayout;
    layout->addLayout(body_);

    status_ = new QLabel(this);
    status_->setMinimumHeight(status_->fontMetrics().height() + 4);
    layout->addWidget(status_);

    auto* buttons = new QHBoxLayout;
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    helpButton_ = new QPushButton(QStringLiteral("&Help"), this);
    okButton_->setDefault(true);
    okButton_->setEnabled(false);
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(helpButton_);
    layout->addLayout(buttons);

    connect(sourceBrowse_, &QPushButton::clicked, this, [this] { BrowseSource(); });
    connect(targetBrowse_, &QPushButton::clicked, this, [this] { BrowseTarget(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { OnOk(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { reject(); });
    connect(helpButton_, &QPushButton::clicked, this, [this] { ShowHelp(); });
}

CConvertDialog::~CConvertDialog() = default;

QString CConvertDialog::statusText() const
{
    return status_->text();
}

MessagePresenter& CConvertDialog::messages()
{
    return shell_.Messages();
}

CConvertDialog::InputFile* CConvertDialog::AddInputFile(QGridLayout* grid, int row, const QString& label,
                                                        const FileRequest& request)
{
    auto input = std::make_unique<InputFile>();
    InputFile* file = input.get();
    file->edit = new QLineEdit(this);
    file->browse = new QPushButton(QStringLiteral("Browse..."), this);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(file->edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(file->edit, row, 1);
    grid->addWidget(file->browse, row, 2);
    connect(file->browse, &QPushButton::clicked, this, [this, file, request] {
        FileRequest current = request;
        current.initialPath = file->edit->text();
        if (const auto path = files_.OpenFile(this, current)) {
            file->edit->setText(*path);
            file->chosen = true;
            UpdateOkButton();
        }
    });
    inputs_.push_back(std::move(input));
    return file;
}

void CConvertDialog::BrowseSource()
{
    const FileRequest request{resource_.sourceExtension, resource_.sourceFilter, sourceEdit_->text()};
    if (const auto path = files_.OpenFile(this, request)) {
        sourceEdit_->setText(*path);
        sourceChosen_ = true;
        UpdateOkButton();
        SourceChosen();
    }
}

void CConvertDialog::BrowseTarget()
{
    const FileRequest request{resource_.targetExtension, resource_.targetFilter, targetEdit_->text()};
    if (const auto path = files_.SaveFile(this, request)) {
        targetEdit_->setText(*path);
        targetChosen_ = true;
        UpdateOkButton();
    }
}

void CConvertDialog::UpdateOkButton()
{
    bool ready = sourceChosen_ && targetChosen_ && ExtraInputsReady();
    for (const auto& input : inputs_) ready = ready && input->chosen;
    // Nothing may start a second job while one still runs.
    okButton_->setEnabled(ready && stop_);
}

void CConvertDialog::DisableControls()
{
    sourceBrowse_->setEnabled(false);
    targetBrowse_->setEnabled(false);
    okButton_->setEnabled(false);
    for (const auto& input : inputs_) input->browse->setEnabled(false);
    for (QWidget* control : locked_) control->setEnabled(false);
}

void CConvertDialog::EnableControls()
{
    sourceBrowse_->setEnabled(true);
    targetBrowse_->setEnabled(true);
    for (const auto& input : inputs_) input->browse->setEnabled(true);
    for (QWidget* control : locked_) control->setEnabled(true);
    UpdateOkButton();
}

bool CConvertDialog::RunJob(const std::function<bool(AppContext&)>& work)
{
    DisableControls();
    stop_ = false;
    ProgressText& status = *this;
    running_ = std::make_unique<GuiInteraction>(messages(), status);
    AppContext context{*running_, shell_.AppProfile()};
    bool result = false;
    try {
        result = work(context);
    } catch (const std::exception& error) {
        // A file error escaping the job fails this run; the dialog stays usable.
        messages().ShowMessage(error.what(), MessageIcon::Stop);
        result = false;
        stop_ = true;
    }
    running_.reset();
    return result;
}

bool CConvertDialog::RunScan(const std::function<bool(AppContext&)>& work)
{
    const bool result = RunJob(work);
    stop_ = true;
    EnableControls();
    return result;
}

void CConvertDialog::OnOk()
{
    if (running_ || !okButton_->isEnabled()) return;
    DisableControls();
    stop_ = false;
    if (!ReadControls()) {
        stop_ = true;
        EnableControls();
        return;
    }
    const bool converted = RunJob([this](AppContext& context) { return Convert(context); });
    if (converted && !stop_) {
        accept();
        return;
    }
    stop_ = true;
    EnableControls();
}

void CConvertDialog::reject()
{
    if (running_) {
        if (!stop_) {
            SetText("");
            stop_ = true;
            running_->RequestCancel();
            EnableControls();
        }
        return;
    }
    QDialog::reject();
}

void CConvertDialog::closeEvent(QCloseEvent* event)
{
    // The close box does nothing while a job runs; Cancel stops it.
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CConvertDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CConvertDialog::ShowHelp()
{
    shell_.ShowHelp(resource_.helpTopic);
}

void CConvertDialog::SetText(std::string_view text)
{
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    status_->setText(shown);
    emit statusChanged(shown);
}

}  // namespace vistagon::gui
