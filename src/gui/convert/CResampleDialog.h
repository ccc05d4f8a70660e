#pragma once

#include "CConvertDialog.h"

#include <array>

class QRadioButton;

namespace vistagon::gui {

// Math Functions, Resample Elevation File: 1 : 2, 1 : 3 or 1 : 4 block sums.
class CResampleDialog : public CConvertDialog {
    Q_OBJECT
public:
    CResampleDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    // The button of reduction index 0, 1 or 2.
    QRadioButton* reductionButton(int index) const { return reductions_[static_cast<size_t>(index)]; }

protected:
    bool Convert(AppContext& context) override;

private:
    std::array<QRadioButton*, 3> reductions_{};
};

}  // namespace vistagon::gui
