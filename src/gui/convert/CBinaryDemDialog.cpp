#include "CBinaryDemDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"
#include "import/binarydem/BinaryDemJob.h"
#include "import/binarydem/BinaryHeaderReader.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistagon::gui {

namespace {

ConvertDialogResource BinaryResource()
{
    return {QStringLiteral("Convert Binary File into TGA File"), QStringLiteral("dialog-binary-dem"),
            QStringLiteral("bin"), QStringLiteral("Binary files|*.bin;*.bil;*.img;*.dem|All files (*.*)|*.*||"),
            kTgaExtension, kTgaFilter};
}

}  // namespace

CBinaryDemDialog::CBinaryDemDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files, BinaryResource(), parent)
{
    auto* grid = new QGridLayout;
    headerPath_ = new QLineEdit(this);
    headerBrowse_ = new QPushButton(QStringLiteral("Br&owse..."), this);
    auto* headerLabel = new QLabel(QStringLiteral("&Header File:"), this);
    headerLabel->setBuddy(headerPath_);
    grid->addWidget(headerLabel, 0, 0);
    grid->addWidget(headerPath_, 0, 1, 1, 2);
    grid->addWidget(headerBrowse_, 0, 3);
    AddLockedControl(headerBrowse_);
    const auto addCoordinate = [this, grid](int row, const QString& label, size_t unit) {
        auto* edit = new QLineEdit(this);
        auto* caption = new QLabel(label, this);
        caption->setBuddy(edit);
        units_[unit] = new QLabel(QStringLiteral("units"), this);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(units_[unit], row, 2);
        return edit;
    };
    upperLeftX_ = addCoordinate(1, QStringLiteral("Upper left corner &X:"), 0);
    upperLeftY_ = addCoordinate(2, QStringLiteral("Upper left corner &Y:"), 1);
    extentX_ = addCoordinate(3, QStringLiteral("Extent X:"), 2);
    extentY_ = addCoordinate(4, QStringLiteral("Extent Y:"), 3);
    zScale_ = new QLineEdit(this);
    auto* zLabel = new QLabel(QStringLiteral("&Z scale:"), this);
    zLabel->setBuddy(zScale_);
    grid->addWidget(zLabel, 5, 0);
    grid->addWidget(zScale_, 5, 1);
    keepNodata_ = new QCheckBox(QStringLiteral("&Keep NODATA values"), this);
    keepNodata_->setEnabled(false);
    grid->addWidget(keepNodata_, 6, 0, 1, 2);
    size_ = new QLabel(this);
    grid->addWidget(new QLabel(QStringLiteral("Output size (KBytes):"), this), 7, 0);
    grid->addWidget(size_, 7, 1);
    body()->addLayout(grid);

    connect(headerBrowse_, &QPushButton::clicked, this, [this] { BrowseHeader(); });
    connect(extentX_, &QLineEdit::textEdited, this, [this] { TakeExtentsQuietly(); });
    connect(extentY_, &QLineEdit::textEdited, this, [this] { TakeExtentsQuietly(); });
    ShowOptions();
}

void CBinaryDemDialog::ShowOptions()
{
    headerPath_->setText(QString::fromStdString(options_.headerPath));
    upperLeftX_->setText(DoubleText(options_.upperLeftX));
    upperLeftY_->setText(DoubleText(options_.upperLeftY));
    extentX_->setText(DoubleText(options_.extentX));
    extentY_->setText(DoubleText(options_.extentY));
    zScale_->setText(DoubleText(options_.zScale));
    keepNodata_->setChecked(options_.keepNodata);
}

void CBinaryDemDialog::ShowSize()
{
    // The label means nothing before a header gave the pixel size.
    size_->setText(headerLoaded_ ? IntText(OutputSizeKBytes(options_, header_)) : QString());
}

void CBinaryDemDialog::TakeExtentsQuietly()
{
    bool ok = false;
    const double x = QLocale::c().toDouble(extentX_->text().trimmed(), &ok);
    if (ok) options_.extentX = x;
    const double y = QLocale::c().toDouble(extentY_->text().trimmed(), &ok);
    if (ok) options_.extentY = y;
    ShowSize();
}

void CBinaryDemDialog::BrowseHeader()
{
    const FileRequest request{QStringLiteral("hdr"),
                              QStringLiteral("HDR files (*.hdr, *.doc)|*.hdr;*.doc|All files (*.*)|*.*||"),
                              headerPath_->text()};
    const auto path = files().OpenFile(this, request);
    if (!path || !ReadControls()) return;
    // Read into a fresh header so that a failed read keeps the loaded one whole.
    BinaryHeaderInfo read;
    NoProgressText noStatus;
    GuiInteraction ui(messages(), noStatus);
    if (ReadBinaryHeader(path->toStdString(), ui, read) != HeaderReadResult::Loaded) return;
    header_ = read;
    headerLoaded_ = true;
    options_.headerPath = path->toStdString();
    options_.TakeHeaderGeometry(header_);
    keepNodata_->setEnabled(header_.KeepNodataSelectable());
    if (!keepNodata_->isEnabled()) options_.keepNodata = false;
    ShowOptions();
    ShowSize();
    for (QLabel* label : units_) label->setText(QString::fromStdString(header_.mapUnits));
    UpdateOkButton();
}

bool CBinaryDemDialog::ReadControls()
{
    MessagePresenter& m = messages();
    if (!ReadDouble(upperLeftX_, m, options_.upperLeftX) || !ReadDouble(upperLeftY_, m, options_.upperLeftY) ||
        !ReadDouble(extentX_, m, options_.extentX) || !ReadDouble(extentY_, m, options_.extentY) ||
        !ReadDouble(zScale_, m, options_.zScale))
        return false;
    options_.keepNodata = keepNodata_->isChecked();
    return true;
}

bool CBinaryDemDialog::Convert(AppContext& context)
{
    options_.sourcePath = PathOf(sourceEdit());
    options_.targetPath = PathOf(targetEdit());
    BinaryDemJob job(context, header_, options_);
    const bool converted = job.Run();
    // Ready for another region of the same raster.
    KeepOpen();
    return converted;
}

}  // namespace vistagon::gui
