#include "CElevToGrayDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"

#include <QVBoxLayout>
#include <QFormLayout>
#include <QLineEdit>

namespace vistagon::gui {

CElevToGrayDialog::CElevToGrayDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files,
                     ToolResource(QStringLiteral("Convert Elevation File into Grayscale File"),
                                  QStringLiteral("dialog-elevation-to-gray")),
                     parent)
{
    auto* form = new QFormLayout;
    zScale_ = new QLineEdit(DoubleText(options_.zScale), this);
    form->addRow(QStringLiteral("&Z scale:"), zScale_);
    body()->addLayout(form);
}

bool CElevToGrayDialog::ReadControls()
{
    return ReadDouble(zScale_, messages(), options_.zScale);
}

bool CElevToGrayDialog::Convert(AppContext& context)
{
    options_.source = PathOf(sourceEdit());
    options_.target = PathOf(targetEdit());
    ElevationToGrayJob job(context, options_);
    return job.Run();
}

}  // namespace vistagon::gui
