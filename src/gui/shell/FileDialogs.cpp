#include "FileDialogs.h"

#include <QDir>
#include <QFileDialog>

namespace vistagon::gui {

namespace {

constexpr const char* kDirectories = "Directories";

QString Run(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace

QStringList FileDialogs::OpenFilters(const Profile& profile)
{
    const std::string recent = profile.GetString("Recent File Load", "Name", ".vgs");
    QStringList filters;
    if (recent == ".tga") filters << kImageFilter << kSceneFilter;
    else filters << kSceneFilter << kImageFilter;
    filters << kAllFilter;
    return filters;
}

QStringList FileDialogs::SaveFilters(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Scene: return {kSceneFilter, kAllFilter};
    case WindowKind::Image: return {kImageFilter, kYuvFilter, kAllFilter};
    case WindowKind::PathEditor:
    case WindowKind::Rendering:
    case WindowKind::FlightPlan: break;
    }
    return {kAllFilter};
}

void FileDialogs::RecordCurrentFolder(const Profile& profile, const char* key)
{
    try {
        profile.WriteString(kDirectories, key, QDir::currentPath().left(260).toStdString());
    } catch (const std::exception&) {
        // An unwritable profile must not keep the user from the file.
    }
}

void FileDialogs::EnterRecordedFolder(const Profile& profile, const char* key)
{
    const std::string folder = profile.GetString(kDirectories, key, "");
    if (!folder.empty()) QDir::setCurrent(QString::fromStdString(folder));
}

QString FileDialogs::PromptOpen(QWidget* parent, const Profile& profile)
{
    EnterRecordedFolder(profile, "Open");
    QFileDialog dialog(parent, "Open", QDir::currentPath());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(OpenFilters(profile));
    const QString chosen = Run(dialog);
    // The folder the dialog ended in is the next one's start, as the platform's dialog leaves it current.
    QDir::setCurrent(dialog.directory().absolutePath());
    RecordCurrentFolder(profile, "Open");
    return chosen;
}

QString FileDialogs::PromptSave(QWidget* parent, const Profile& profile, WindowKind kind, const QString& initial)
{
    EnterRecordedFolder(profile, "Save");
    QFileDialog dialog(parent, "Save As", QDir::currentPath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(SaveFilters(kind));
    if (kind == WindowKind::Scene) dialog.setDefaultSuffix("vgs");
    if (kind == WindowKind::Image) dialog.setDefaultSuffix("tga");
    if (!initial.isEmpty()) dialog.selectFile(initial);
    const QString chosen = Run(dialog);
    QDir::setCurrent(dialog.directory().absolutePath());
    RecordCurrentFolder(profile, "Save");
    return chosen;
}

}  // namespace vistagon::gui
