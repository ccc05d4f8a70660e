#pragma once

#include "CConvertDialog.h"
#include "import/irregular/TgaIrregularJob.h"

namespace vistagon::gui {

class ResultsListBox;

// Import Filters, TGA Irregular: pixels with blue 0 are the scattered points.
class CTgaIrregularDialog : public CConvertDialog {
    Q_OBJECT
public:
    CTgaIrregularDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    QLineEdit* zScaleEdit() const { return zScale_; }
    QLineEdit* estimateEdit() const { return estimate_; }
    ResultsListBox* results() const { return results_; }

protected:
    bool ReadControls() override;
    bool Convert(AppContext& context) override;

private:
    QLineEdit* zScale_;
    QLineEdit* estimate_;
    ResultsListBox* results_;
    TgaIrregularOptions options_;
};

}  // namespace vistagon::gui
