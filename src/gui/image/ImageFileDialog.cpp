#include "ImageFileDialog.h"

#include "shell/Shell.h"

#include <QFileDialog>
#include <QFileInfo>

namespace vistagon::gui {

namespace {

const QString kTgaFilter = QStringLiteral("TGA Files (*.tga)");
const QString kYuvFilter = QStringLiteral("YUV files (*.YUV *.yuv)");

void RememberFolder(Shell& shell, const QString& folder)
{
    try {
        shell.AppProfile().WriteString("Directories", "Save", folder.toStdString());
    } catch (const std::exception&) {
        // A profile that cannot be written only forgets the folder.
    }
}

}  // namespace

QString AskImageSavePath(Shell& shell, QWidget* parent, const QString& suggestion)
{
    const QString folder = QString::fromStdString(shell.AppProfile().GetString("Directories", "Save", ""));
    QFileDialog dialog(parent, QStringLiteral("Save As"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({kTgaFilter, kYuvFilter, QStringLiteral("All Files (*.*)")});
    if (!suggestion.isEmpty()) dialog.selectFile(QFileInfo(suggestion).fileName());
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    RememberFolder(shell, dialog.directory().absolutePath());
    if (!accepted) return {};
    QString path = dialog.selectedFiles().front();
    if (QFileInfo(path).suffix().isEmpty())
        path += dialog.selectedNameFilter() == kYuvFilter ? QStringLiteral(".yuv") : QStringLiteral(".tga");
    return path;
}

}  // namespace vistagon::gui
