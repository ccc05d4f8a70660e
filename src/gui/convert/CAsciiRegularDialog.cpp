#include "CAsciiRegularDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"
#include "ResultsListBox.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vistagon::gui {

CAsciiRegularDialog::CAsciiRegularDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files,
                     {QStringLiteral("Convert ASCII Regular Mesh into Elevation File"),
                      QStringLiteral("dialog-ascii-regular"), QStringLiteral("txt"),
                      QStringLiteral("ASCII files (*.txt)|*.txt|All files (*.*)|*.*||"), kTgaExtension, kTgaFilter},
                     parent)
{
    auto* form = new QFormLayout;
    width_ = AddEdit(form, QStringLiteral("&Width:"), QString());
    height_ = AddEdit(form, QStringLiteral("&Height:"), QString());
    skip_ = AddEdit(form, QStringLiteral("&Skip first lines:"), QString());
    zScale_ = AddEdit(form, QStringLiteral("&Z scale:"), QString());
    body()->addLayout(form);
    auto* group = new QGroupBox(QStringLiteral("Boundaries"), this);
    auto* bounds = new QFormLayout(group);
    minX_ = AddEdit(bounds, QStringLiteral("Min. x:"), QString());
    maxX_ = AddEdit(bounds, QStringLiteral("Max. x:"), QString());
    minY_ = AddEdit(bounds, QStringLiteral("Min. y:"), QString());
    maxY_ = AddEdit(bounds, QStringLiteral("Max. y:"), QString());
    body()->addWidget(group);
    results_ = new ResultsListBox(this);
    auto* resultsForm = new QFormLayout;
    resultsForm->addRow(QStringLiteral("Results:"), results_);
    body()->addLayout(resultsForm);
    ShowOptions();
}

void CAsciiRegularDialog::ShowOptions()
{
    width_->setText(IntText(options_.width));
    height_->setText(IntText(options_.height));
    skip_->setText(IntText(options_.skipLines));
    zScale_->setText(DoubleText(options_.zScale));
    minX_->setText(DoubleText(options_.minX));
    maxX_->setText(DoubleText(options_.maxX));
    minY_->setText(DoubleText(options_.minY));
    maxY_->setText(DoubleText(options_.maxY));
}

bool CAsciiRegularDialog::ReadControls()
{
    MessagePresenter& m = messages();
    return ReadInt(width_, m, options_.width) && ReadInt(height_, m, options_.height) &&
           ReadInt(skip_, m, options_.skipLines) && ReadDouble(zScale_, m, options_.zScale) &&
           ReadDouble(minX_, m, options_.minX) && ReadDouble(maxX_, m, options_.maxX) &&
           ReadDouble(minY_, m, options_.minY) && ReadDouble(maxY_, m, options_.maxY);
}

void CAsciiRegularDialog::SourceChosen()
{
    if (!ReadControls()) return;
    options_.source = PathOf(sourceEdit());
    RunScan([this](AppContext& context) {
        AsciiRegularJob job(context, options_);
        const bool scanned = job.Scan();
        options_ = job.options();
        results_->Show(job.results());
        return scanned;
    });
    ShowOptions();
}

bool CAsciiRegularDialog::Convert(AppContext& context)
{
    options_.source = PathOf(sourceEdit());
    options_.target = PathOf(targetEdit());
    AsciiRegularJob job(context, options_);
    const bool converted = job.Run();
    results_->Show(job.results());
    return converted;
}

}  // namespace vistagon::gui
