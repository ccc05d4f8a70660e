#pragma once

#include "CConvertDialog.h"

namespace vistagon::gui {

// Import Filters, SDTS: the cell module of a raster transfer, void and fill cells as 0.
class CSdtsImportDialog : public CConvertDialog {
    Q_OBJECT
public:
    CSdtsImportDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    QLineEdit* voidEdit() const { return void_; }
    QLineEdit* fillEdit() const { return fill_; }

protected:
    bool ReadControls() override;
    bool Convert(AppContext& context) override;

private:
    QLineEdit* void_;
    QLineEdit* fill_;
    int voidValue_ = 0;
    int fillValue_ = 0;
};

}  // namespace vistagon::gui
