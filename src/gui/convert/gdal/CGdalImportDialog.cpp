#include "CGdalImportDialog.h"

#include "convert/ConvertResources.h"
#include "convert/DialogFields.h"
#include "import/gdal/GdalImportJob.h"
#include "import/gdal/GdalSummaryText.h"
#include "shell/Shell.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace vistagon::gui {
namespace {

const QString kRasterFilter = QStringLiteral(
    "GeoTIFF files (*.tif;*.tiff)|*.tif;*.tiff|SRTM tiles (*.hgt)|*.hgt|Virtual mosaics (*.vrt)|*.vrt|"
    "All files (*.*)|*.*||");

// Whole numbers separated by the given characters; none when the text is not exactly `count` of them.
std::optional<std::vector<int>> WholeNumbers(const QString& text, const QString& separators, int count)
{
    const QStringList words = text.split(QRegularExpression("[" + separators + "]"), Qt::SkipEmptyParts);
    if (words.size() != count) return std::nullopt;
    std::vector<int> numbers;
    for (const QString& word : words) {
        bool ok = false;
        numbers.push_back(word.trimmed().toInt(&ok));
        if (!ok) return std::nullopt;
    }
    return numbers;
}

}  // namespace

CGdalImportDialog::CGdalImportDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files,
                     {QStringLiteral("GDAL Raster Import"), QStringLiteral("dialog-gdal-raster"), QStringLiteral("tif"),
                      kRasterFilter, kTgaExtension, kTgaYuvFilter},
                     parent)
{
    auto* form = new QFormLayout;
    band_ = AddEdit(form, QStringLiteral("&Band:"), IntText(options_.band));
    zScale_ = AddEdit(form, QStringLiteral("&Z scale:"), DoubleText(options_.zScale));
    void_ = AddEdit(form, QStringLiteral("&Void value:"), IntText(options_.voidValue));
    size_ = AddEdit(form, QStringLiteral("&Size (W x H, empty as read):"), QString());
    window_ = AddEdit(form, QStringLiteral("&Window (x, y, w, h, empty all):"), QString());
    texture_ = new QCheckBox(QStringLiteral("&Texture (bands 1 to 3, a palette or one gray band)"), this);
    form->addRow(texture_);
    body()->addLayout(form);
}

bool CGdalImportDialog::ReadControls()
{
    if (!ReadInt(band_, messages(), options_.band) || !ReadDouble(zScale_, messages(), options_.zScale) ||
        !ReadInt(void_, messages(), options_.voidValue))
        return false;
    if (options_.band < 1) {
        messages().ShowMessage("The band number starts at 1.", MessageIcon::Stop);
        band_->setFocus();
        return false;
    }
    options_.texture = texture_->isChecked();
    return ReadSize() && ReadWindow();
}

bool CGdalImportDialog::ReadSize()
{
    options_.size.reset();
    if (size_->text().trimmed().isEmpty()) return true;
    const auto numbers = WholeNumbers(size_->text(), QStringLiteral("xX, "), 2);
    if (!numbers || (*numbers)[0] < 1 || (*numbers)[1] < 1) {
        messages().ShowMessage("Please enter the size as width x height, or leave it empty.", MessageIcon::Stop);
        size_->setFocus();
        return false;
    }
    options_.size = PixelSize{(*numbers)[0], (*numbers)[1]};
    return true;
}

bool CGdalImportDialog::ReadWindow()
{
    options_.window.reset();
    if (window_->text().trimmed().isEmpty()) return true;
    const auto numbers = WholeNumbers(window_->text(), QStringLiteral(", "), 4);
    if (!numbers) {
        messages().ShowMessage("Please enter the window as x, y, width, height, or leave it empty.",
                               MessageIcon::Stop);
        window_->setFocus();
        return false;
    }
    options_.window = RasterWindow{(*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3]};
    return true;
}

bool CGdalImportDialog::Convert(AppContext& context)
{
    options_.source = PathOf(sourceEdit());
    options_.target = PathOf(targetEdit());
    GdalImportJob job(context, options_);
    if (!job.Run() || job.WasCancelled()) return false;
    context.ui.ShowMessage(GdalSummaryText(job.summary(), options_), MessageIcon::Information);
    return true;
}

}  // namespace vistagon::gui
