#pragma once

#include "CConvertDialog.h"

namespace vistagon::gui {

// Math Functions, Convolution: a picture convolved with a kernel given as a TGA.
class CConvolutionDialog : public CConvertDialog {
    Q_OBJECT
public:
    CConvolutionDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    QLineEdit* matrixEdit() const { return matrix_->edit; }
    QPushButton* matrixBrowseButton() const { return matrix_->browse; }

protected:
    bool Convert(AppContext& context) override;

private:
    InputFile* matrix_;
};

}  // namespace vistagon::gui
