#include "CBlueZeroDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"
#include "import/irregular/BlueZeroJob.h"

namespace vistagon::gui {

CBlueZeroDialog::CBlueZeroDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files,
                     ToolResource(QStringLiteral("Change BLUE = 0 Values to Prepare for TGA Irregular Import"),
                                  QStringLiteral("dialog-blue-zero")),
                     parent)
{
}

bool CBlueZeroDialog::Convert(AppContext& context)
{
    BlueZeroJob job(context, {PathOf(sourceEdit()), PathOf(targetEdit())});
    return job.Run();
}

}  // namespace vistagon::gui
