#include "CJapanDemDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"
#include "import/japandem/JapanDemJob.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace vistagon::gui {

CJapanDemDialog::CJapanDemDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files,
                     {QStringLiteral("Japan DEM Import"), QStringLiteral("dialog-japan-dem"), QStringLiteral("mem"),
                      QStringLiteral("Japan DEM files (*.mem)|*.mem|All files (*.*)|*.*||"), kTgaExtension,
                      kTgaYuvFilter},
                     parent)
{
    auto* form = new QFormLayout;
    void_ = AddEdit(form, QStringLiteral("&Void value:"), IntText(JapanDemOptions{}.voidValue));
    body()->addLayout(form);
}

bool CJapanDemDialog::ReadControls()
{
    return ReadInt(void_, messages(), voidValue_);
}

bool CJapanDemDialog::Convert(AppContext& context)
{
    JapanDemJob job(context, {PathOf(sourceEdit()), PathOf(targetEdit()), voidValue_});
    return job.Run();
}

}  // namespace vistagon::gui
