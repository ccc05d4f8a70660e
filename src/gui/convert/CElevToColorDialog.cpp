#include "CElevToColorDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vistagon::gui {

CElevToColorDialog::CElevToColorDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files,
                     ToolResource(QStringLiteral("Convert Elevation File into Color File"),
                                  QStringLiteral("dialog-elevation-to-color")),
                     parent)
{
    auto* grid = new QGridLayout;
    palette_ = AddInputFile(grid, 0, QStringLiteral("&Palette File:"), TgaInputRequest());
    body()->addLayout(grid);
    auto* form = new QFormLayout;
    lower_ = new QLineEdit(IntText(options_.lowerLimit), this);
    upper_ = new QLineEdit(IntText(options_.upperLimit), this);
    form->addRow(QStringLiteral("&Lower altitude limit:"), lower_);
    form->addRow(QStringLiteral("&Upper altitude limit:"), upper_);
    body()->addLayout(form);
}

bool CElevToColorDialog::ReadControls()
{
    int lower = 0, upper = 0;
    if (!ReadInt(lower_, messages(), lower) || !ReadInt(upper_, messages(), upper)) return false;
    options_.lowerLimit = lower;
    options_.upperLimit = upper;
    options_.palette = PathOf(palette_->edit);
    return true;
}

bool CElevToColorDialog::Convert(AppContext& context)
{
    options_.source = PathOf(sourceEdit());
    options_.target = PathOf(targetEdit());
    ElevationToColorJob job(context, options_);
    return job.Run();
}

}  // namespace vistagon::gui
