#include "CAsciiIrregularDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"
#include "ResultsListBox.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistagon::gui {

CAsciiIrregularDialog::CAsciiIrregularDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files,
                     {QStringLiteral("Convert ASCII Irregular Mesh into Elevation File"),
                      QStringLiteral("dialog-ascii-irregular"), QStringLiteral("txt"),
                      QStringLiteral("ASCII files (*.txt)|*.txt|All files (*.*)|*.*||"), kTgaExtension,
                      kTgaYuvFilter},
                     parent)
{
    auto* group = new QGroupBox(QStringLiteral("Boundaries"), this);
    auto* bounds = new QFormLayout(group);
    maxX_ = AddEdit(bounds, QStringLiteral("Max. x:"), QString());
    minX_ = AddEdit(bounds, QStringLiteral("Min. x:"), QString());
    maxY_ = AddEdit(bounds, QStringLiteral("Max. y:"), QString());
    minY_ = AddEdit(bounds, QStringLiteral("Min. y:"), QString());
    body()->addWidget(group);
    auto* form = new QFormLayout;
    skip_ = AddEdit(form, QStringLiteral("&Skip first lines:"), QString());
    width_ = AddEdit(form, QStringLiteral("&Width:"), QString());
    height_ = AddEdit(form, QStringLiteral("&Height:"), QString());
    zScale_ = AddEdit(form, QStringLiteral("&Z scale:"), QString());
    estimate_ = AddEdit(form, QStringLiteral("&Nodal point estimate:"), QString());
    results_ = new ResultsListBox(this);
    form->addRow(QStringLiteral("Results:"), results_);
    body()->addLayout(form);
    ShowOptions();
}

void CAsciiIrregularDialog::ShowOptions()
{
    maxX_->setText(DoubleText(options_.maxX));
    minX_->setText(DoubleText(options_.minX));
    maxY_->setText(DoubleText(options_.maxY));
    minY_->setText(DoubleText(options_.minY));
    skip_->setText(IntText(options_.skipLines));
    width_->setText(IntText(options_.width));
    height_->setText(IntText(options_.height));
    zScale_->setText(DoubleText(options_.zScale));
    estimate_->setText(IntText(options_.estimate));
}

bool CAsciiIrregularDialog::ReadControls()
{
    MessagePresenter& m = messages();
    return ReadDouble(maxX_, m, options_.maxX) && ReadDouble(minX_, m, options_.minX) &&
           ReadDouble(maxY_, m, options_.maxY) && ReadDouble(minY_, m, options_.minY) &&
           ReadInt(skip_, m, options_.skipLines) && ReadInt(width_, m, options_.width) &&
           ReadInt(height_, m, options_.height) && ReadDouble(zScale_, m, options_.zScale) &&
           ReadInt(estimate_, m, options_.estimate);
}

void CAsciiIrregularDialog::SourceChosen()
{
    okButton()->setEnabled(false);
    if (!ReadControls()) {
        UpdateOkButton();
        return;
    }
    options_.source = PathOf(sourceEdit());
    results_->clear();
    RunScan([this](AppContext& context) {
        AsciiIrregularJob job(context, options_);
        const bool scanned = job.Scan();
        options_ = job.options();
        results_->Show(job.results());
        return scanned;
    });
    ShowOptions();
}

bool CAsciiIrregularDialog::Convert(AppContext& context)
{
    options_.source = PathOf(sourceEdit());
    options_.target = PathOf(targetEdit());
    AsciiIrregularJob job(context, options_);
    const bool converted = job.Run();
    results_->Show(job.results());
    return converted;
}

}  // namespace vistagon::gui
