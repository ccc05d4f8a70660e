#pragma once

#include "CConvertDialog.h"

namespace vistagon::gui {

// Format Conversions, Change Blue = 0 Pixels: a copy in which no pixel has blue 0.
class CBlueZeroDialog : public CConvertDialog {
    Q_OBJECT
public:
    CBlueZeroDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

protected:
    bool Convert(AppContext& context) override;
};

}  // namespace vistagon::gui
