#pragma once

#include "CConvertDialog.h"

namespace vistagon::gui {

// Math Functions, Mask: a picture masked with a mask image of its size.
class CMaskDialog : public CConvertDialog {
    Q_OBJECT
public:
    CMaskDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    QLineEdit* maskEdit() const { return mask_->edit; }
    QPushButton* maskBrowseButton() const { return mask_->browse; }

protected:
    bool Convert(AppContext& context) override;

private:
    InputFile* mask_;
};

}  // namespace vistagon::gui
