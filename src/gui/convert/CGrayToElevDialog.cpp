#include "CGrayToElevDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"
#include "tools/GrayToElevationJob.h"

namespace vistagon::gui {

CGrayToElevDialog::CGrayToElevDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files,
                     ToolResource(QStringLiteral("Convert Grayscale File into Elevation File"),
                                  QStringLiteral("dialog-gray-to-elevation")),
                     parent)
{
}

bool CGrayToElevDialog::Convert(AppContext& context)
{
    GrayToElevationJob job(context, {PathOf(sourceEdit()), PathOf(targetEdit())});
    return job.Run();
}

}  // namespace vistagon::gui
