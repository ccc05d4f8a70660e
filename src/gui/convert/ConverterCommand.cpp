#include "ConverterCommand.h"

#include "shell/Shell.h"

namespace vistagon::gui {

void RunConverterCommand(ConverterCommand, Shell& shell)
{
    shell.Messages().ShowMessage("This dialog is not available yet; use vistagon-cli import or tool.",
                                 MessageIcon::Information);
}

}  // namespace vistagon::gui
