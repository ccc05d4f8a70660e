#pragma once

#include "CConvertDialog.h"

namespace vistagon::gui {

// Import Filters, Japan DEMs: fixed-width ".mem" text files, void values as 0.
class CJapanDemDialog : public CConvertDialog {
    Q_OBJECT
public:
    CJapanDemDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    QLineEdit* voidEdit() const { return void_; }

protected:
    bool ReadControls() override;
    bool Convert(AppContext& context) override;

private:
    QLineEdit* void_;
    int voidValue_ = 0;
};

}  // namespace vistagon::gui
