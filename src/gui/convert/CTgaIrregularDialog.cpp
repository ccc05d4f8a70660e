#include "CTgaIrregularDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"
#include "ResultsListBox.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace vistagon::gui {

CTgaIrregularDialog::CTgaIrregularDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files,
                     ToolResource(QStringLiteral("Convert TGA Irregular Mesh into Elevation File"),
                                  QStringLiteral("dialog-tga-irregular")),
                     parent)
{
    auto* form = new QFormLayout;
    zScale_ = AddEdit(form, QStringLiteral("&Z scale:"), DoubleText(options_.zScale));
    estimate_ = AddEdit(form, QStringLiteral("&Nodal point estimate:"), IntText(options_.estimate));
    results_ = new ResultsListBox(this);
    form->addRow(QStringLiteral("Results:"), results_);
    body()->addLayout(form);
}

bool CTgaIrregularDialog::ReadControls()
{
    return ReadDouble(zScale_, messages(), options_.zScale) && ReadInt(estimate_, messages(), options_.estimate);
}

bool CTgaIrregularDialog::Convert(AppContext& context)
{
    options_.source = PathOf(sourceEdit());
    options_.target = PathOf(targetEdit());
    TgaIrregularJob job(context, options_);
    const bool converted = job.Run();
    results_->Show(job.results());
    return converted;
}

}  // namespace vistagon::gui
