#pragma once

#include "CConvertDialog.h"
#include "tools/ElevationToColorJob.h"

namespace vistagon::gui {

// Format Conversions, Elevation To Color: heights looked up in a palette's top row.
class CElevToColorDialog : public CConvertDialog {
    Q_OBJECT
public:
    CElevToColorDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    QLineEdit* paletteEdit() const { return palette_->edit; }
    QPushButton* paletteBrowseButton() const { return palette_->browse; }
    QLineEdit* lowerEdit() const { return lower_; }
    QLineEdit* upperEdit() const { return upper_; }

protected:
    bool ReadControls() override;
    bool Convert(AppContext& context) override;

private:
    InputFile* palette_;
    QLineEdit* lower_;
    QLineEdit* upper_;
    ElevationToColorOptions options_;
};

}  // namespace vistagon::gui
