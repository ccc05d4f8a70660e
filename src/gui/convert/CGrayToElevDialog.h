#pragma once

#include "CConvertDialog.h"

namespace vistagon::gui {

// Format Conversions, Gray To Elevation: heights blue + green + red.
class CGrayToElevDialog : public CConvertDialog {
    Q_OBJECT
public:
    CGrayToElevDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

protected:
    bool Convert(AppContext& context) override;
};

}  // namespace vistagon::gui
