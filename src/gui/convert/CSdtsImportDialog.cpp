#include "CSdtsImportDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"
#include "import/sdts/SdtsImportJob.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace vistagon::gui {

CSdtsImportDialog::CSdtsImportDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files,
                     {QStringLiteral("SDTS Import"), QStringLiteral("dialog-sdts"), QStringLiteral("ddf"),
                      QStringLiteral("SDTS files (*.ddf)|*.ddf|All files (*.*)|*.*||"), kTgaExtension, kTgaYuvFilter},
                     parent)
{
    const SdtsImportOptions defaults;
    auto* form = new QFormLayout;
    void_ = AddEdit(form, QStringLiteral("&Void value:"), IntText(defaults.voidValue));
    fill_ = AddEdit(form, QStringLiteral("F&ill value:"), IntText(defaults.fillValue));
    body()->addLayout(form);
}

bool CSdtsImportDialog::ReadControls()
{
    return ReadInt(void_, messages(), voidValue_) && ReadInt(fill_, messages(), fillValue_);
}

bool CSdtsImportDialog::Convert(AppContext& context)
{
    SdtsImportOptions options;
    options.sourcePath = PathOf(sourceEdit());
    options.targetPath = PathOf(targetEdit());
    options.voidValue = voidValue_;
    options.fillValue = fillValue_;
    SdtsImportJob job(context, options);
    return job.Run();
}

}  // namespace vistagon::gui
