#include "QtFileChooser.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace vistagon::gui {

QString QtNameFilters(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split('|', Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Qt reads the patterns from the parentheses, so they are rebuilt from
        // the pattern part ("*.hdr;*.doc") whatever the description shows.
        QString description = parts[i];
        description.remove(QRegularExpression(R"(\s*\([^)]*\)\s*$)"));
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

namespace {

void Prepare(QFileDialog& dialog, const FileRequest& request)
{
    dialog.setNameFilter(QtNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialPath.isEmpty()) dialog.selectFile(request.initialPath);
}

}  // namespace

std::optional<QString> QtFileChooser::OpenFile(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    Prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

std::optional<QStringList> QtFileChooser::OpenFiles(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    Prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles();
}

std::optional<QString> QtFileChooser::SaveFile(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Overwrite prompt is on by default; the folder must exist for the file to be accepted.
    Prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

}  // namespace vistagon::gui
