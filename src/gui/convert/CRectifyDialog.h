#pragma once

#include "CConvertDialog.h"
#include "tools/RectifyJob.h"

#include <array>

class QRadioButton;

namespace vistagon::gui {

// Math Functions, Rectify: four source corners warped onto four output corners.
// The sixteen corner values live in the profile between uses.
class CRectifyDialog : public CConvertDialog {
    Q_OBJECT
public:
    CRectifyDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    // Corner k (0 ... 3) of the output (x, y) or of the source (x', y').
    QLineEdit* outputXEdit(int k) const { return outputX_[static_cast<size_t>(k)]; }
    QLineEdit* outputYEdit(int k) const { return outputY_[static_cast<size_t>(k)]; }
    QLineEdit* sourceXEdit(int k) const { return sourceX_[static_cast<size_t>(k)]; }
    QLineEdit* sourceYEdit(int k) const { return sourceY_[static_cast<size_t>(k)]; }
    QRadioButton* textureButton() const { return texture_; }
    QRadioButton* elevationButton() const { return elevation_; }

protected:
    bool ReadControls() override;
    bool Convert(AppContext& context) override;

private:
    void ShowCorners();

    std::array<QLineEdit*, 4> outputX_{}, outputY_{}, sourceX_{}, sourceY_{};
    QRadioButton* texture_;
    QRadioButton* elevation_;
    RectifyOptions options_;
};

}  // namespace vistagon::gui
