#pragma once

#include "CConvertDialog.h"
#include "import/binarydem/BinaryDemOptions.h"
#include "import/binarydem/BinaryHeaderInfo.h"

#include <array>

class QCheckBox;
class QLabel;

namespace vistagon::gui {

// Import Filters, Binary DEMs: a raw raster described by a header file. The
// header Browse fills the region fields; the dialog stays open after each run.
class CBinaryDemDialog : public CConvertDialog {
    Q_OBJECT
public:
    CBinaryDemDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    QLineEdit* headerEdit() const { return headerPath_; }
    QPushButton* headerBrowseButton() const { return headerBrowse_; }
    QLineEdit* upperLeftXEdit() const { return upperLeftX_; }
    QLineEdit* upperLeftYEdit() const { return upperLeftY_; }
    QLineEdit* extentXEdit() const { return extentX_; }
    QLineEdit* extentYEdit() const { return extentY_; }
    QLineEdit* zScaleEdit() const { return zScale_; }
    QCheckBox* keepNodataBox() const { return keepNodata_; }
    QLabel* sizeLabel() const { return size_; }
    QLabel* unitsLabel(int k) const { return units_[static_cast<size_t>(k)]; }

protected:
    bool ReadControls() override;
    bool Convert(AppContext& context) override;
    bool ExtraInputsReady() const override { return headerLoaded_; }

private:
    void BrowseHeader();
    void ShowOptions();
    void ShowSize();
    // The edits as they stand, without messages (for the live size label).
    void TakeExtentsQuietly();

    QLineEdit *headerPath_, *upperLeftX_, *upperLeftY_, *extentX_, *extentY_, *zScale_;
    QPushButton* headerBrowse_;
    QCheckBox* keepNodata_;
    QLabel* size_;
    std::array<QLabel*, 4> units_{};
    BinaryHeaderInfo header_;
    BinaryDemOptions options_;
    bool headerLoaded_ = false;
};

}  // namespace vistagon::gui
