#pragma once

#include "ConverterCommand.h"

#include <memory>

class QWidget;

namespace vistagon::gui {

class CConvertDialog;
class FileChooser;
class Shell;

// The dialog of one Import Filters, Format Conversions or Math Functions command.
std::unique_ptr<CConvertDialog> MakeConverterDialog(ConverterCommand command, Shell& shell, FileChooser& files,
                                                    QWidget* parent);

}  // namespace vistagon::gui
