#include "CRectifyDialog.h"

#include "ConvertResources.h"
#include "DialogFields.h"
#include "platform/FileError.h"
#include "shell/Shell.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vistagon::gui {

CRectifyDialog::CRectifyDialog(Shell& shell, FileChooser& files, QWidget* parent)
    : CConvertDialog(shell, files, ToolResource(QStringLiteral("Rectify"), QStringLiteral("dialog-rectify")), parent)
{
    auto* grid = new QGridLayout;
    const auto addEdit = [this, grid](int row, int column, const QString& label) {
        auto* edit = new QLineEdit(this);
        auto* caption = new QLabel(label, this);
        caption->setBuddy(edit);
        grid->addWidget(caption, row, column);
        grid->addWidget(edit, row, column + 1);
        return edit;
    };
    for (int k = 0; k < 4; ++k) {
        const size_t i = static_cast<size_t>(k);
        outputX_[i] = addEdit(k, 0, QStringLiteral("x%1:").arg(k + 1));
        outputY_[i] = addEdit(k, 2, QStringLiteral("y%1:").arg(k + 1));
        sourceX_[i] = addEdit(k, 4, QStringLiteral("x%1':").arg(k + 1));
        sourceY_[i] = addEdit(k, 6, QStringLiteral("y%1':").arg(k + 1));
    }
    body()->addLayout(grid);

    auto* group = new QGroupBox(QStringLiteral("Type of file to rectify"), this);
    auto* row = new QHBoxLayout(group);
    texture_ = new QRadioButton(QStringLiteral("Te&xture"), group);
    elevation_ = new QRadioButton(QStringLiteral("&Elevation"), group);
    texture_->setChecked(true);
    row->addWidget(texture_);
    row->addWidget(elevation_);
    body()->addWidget(group);

    options_.corners = RectifyCorners::Load(shell.AppProfile());
    ShowCorners();
}

void CRectifyDialog::ShowCorners()
{
    for (size_t k = 0; k < 4; ++k) {
        outputX_[k]->setText(DoubleText(options_.corners.output[k].x));
        outputY_[k]->setText(DoubleText(options_.corners.output[k].y));
        sourceX_[k]->setText(DoubleText(options_.corners.source[k].x));
        sourceY_[k]->setText(DoubleText(options_.corners.source[k].y));
    }
}

bool CRectifyDialog::ReadControls()
{
    RectifyCorners corners;
    for (size_t k = 0; k < 4; ++k) {
        if (!ReadDouble(outputX_[k], messages(), corners.output[k].x) ||
            !ReadDouble(outputY_[k], messages(), corners.output[k].y) ||
            !ReadDouble(sourceX_[k], messages(), corners.source[k].x) ||
            !ReadDouble(sourceY_[k], messages(), corners.source[k].y))
            return false;
    }
    options_.corners = corners;
    options_.type = elevation_->isChecked() ? RectifyFileType::Elevation : RectifyFileType::Texture;
    try {
        options_.corners.Store(shell().AppProfile());
    } catch (const FileError& error) {
        // The run does not depend on it; only the next dialog's values are lost.
        messages().ShowMessage(error.what(), MessageIcon::Warning);
    }
    return true;
}

bool CRectifyDialog::Convert(AppContext& context)
{
    options_.source = PathOf(sourceEdit());
    options_.target = PathOf(targetEdit());
    RectifyJob job(context, options_);
    return job.Run();
}

}  // namespace vistagon::gui
