#pragma once

#include "CConvertDialog.h"
#include "tools/MergeJob.h"

class QRadioButton;

namespace vistagon::gui {

// Math Functions, Merge: two pictures added with weights or multiplied.
class CMergeDialog : public CConvertDialog {
    Q_OBJECT
public:
    CMergeDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    QLineEdit* secondEdit() const { return second_->edit; }
    QPushButton* secondBrowseButton() const { return second_->browse; }
    QLineEdit* bias1Edit() const { return bias1_; }
    QLineEdit* bias2Edit() const { return bias2_; }
    QRadioButton* addButton() const { return add_; }
    QRadioButton* multiplyButton() const { return multiply_; }

protected:
    bool ReadControls() override;
    bool Convert(AppContext& context) override;

private:
    InputFile* second_;
    QLineEdit* bias1_;
    QLineEdit* bias2_;
    QRadioButton* add_;
    QRadioButton* multiply_;
    MergeOptions options_;
};

}  // namespace vistagon::gui
