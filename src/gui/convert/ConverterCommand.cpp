#include "ConverterCommand.h"

#include "CConvertDialog.h"
#include "ConverterDialogs.h"
#include "QtFileChooser.h"
#include "shell/Shell.h"

namespace vistagon::gui {

void RunConverterCommand(ConverterCommand command, Shell& shell)
{
    QtFileChooser files;
    std::unique_ptr<CConvertDialog> dialog = MakeConverterDialog(command, shell, files, shell.DialogParent());
    if (!dialog) {
        shell.Messages().ShowMessage("This program was built without GDAL; install libgdal-dev and build it again.",
                                     MessageIcon::Information);
        return;
    }
    dialog->exec();
}

}  // namespace vistagon::gui
