#pragma once

#include "CConvertDialog.h"
#include "tools/ElevationToGrayJob.h"

namespace vistagon::gui {

// Format Conversions, Elevation To Gray: heights times the z scale, saturated at 255.
class CElevToGrayDialog : public CConvertDialog {
    Q_OBJECT
public:
    CElevToGrayDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    QLineEdit* zScaleEdit() const { return zScale_; }

protected:
    bool ReadControls() override;
    bool Convert(AppContext& context) override;

private:
    QLineEdit* zScale_;
    ElevationToGrayOptions options_;
};

}  // namespace vistagon::gui
