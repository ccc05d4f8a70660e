#pragma once

#include "convert/CConvertDialog.h"
#include "import/gdal/GdalImportOptions.h"

class QCheckBox;

namespace vistagon::gui {

// Import Filters, GDAL raster: any raster GDAL reads (GeoTIFF, SRTM tiles,
// mosaics) as heights or as a texture, north up, with what a scene needs shown
// once it is written.
class CGdalImportDialog : public CConvertDialog {
    Q_OBJECT
public:
    CGdalImportDialog(Shell& shell, FileChooser& files, QWidget* parent = nullptr);

    QLineEdit* bandEdit() const { return band_; }
    QLineEdit* zScaleEdit() const { return zScale_; }
    QLineEdit* voidEdit() const { return void_; }
    QLineEdit* sizeEdit() const { return size_; }
    QLineEdit* windowEdit() const { return window_; }
    QCheckBox* textureBox() const { return texture_; }

protected:
    bool ReadControls() override;
    bool Convert(AppContext& context) override;

private:
    bool ReadSize();
    bool ReadWindow();

    QLineEdit* band_;
    QLineEdit* zScale_;
    QLineEdit* void_;
    QLineEdit* size_;
    QLineEdit* window_;
    QCheckBox* texture_;
    GdalImportOptions options_;
};

}  // namespace vistagon::gui
