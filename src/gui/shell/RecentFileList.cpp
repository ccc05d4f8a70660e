#include "RecentFileList.h"

#include <QFileInfo>

namespace vistagon::gui {

namespace {

constexpr const char* kSection = "Recent File List";

std::string KeyOf(int index)
{
    return "File" + std::to_string(index + 1);
}

}  // namespace

QStringList RecentFileList::Read(const Profile& profile)
{
    QStringList files;
    for (int i = 0; i < kSize; ++i) {
        const std::string value = profile.GetString(kSection, KeyOf(i), "");
        if (!value.empty()) files << QString::fromStdString(value);
    }
    return files;
}

void RecentFileList::Add(const Profile& profile, const QString& path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList files = Read(profile);
    files.removeAll(full);
    files.prepend(full);
    while (files.size() > kSize) files.removeLast();
    Write(profile, files);
}

void RecentFileList::Remove(const Profile& profile, const QString& path)
{
    QStringList files = Read(profile);
    files.removeAll(path);
    Write(profile, files);
}

void RecentFileList::Write(const Profile& profile, const QStringList& files)
{
    try {
        for (int i = 0; i < kSize; ++i)
            profile.WriteString(kSection, KeyOf(i), i < files.size() ? files[i].toStdString() : "");
    } catch (const std::exception&) {
        // The list is a convenience; a read-only profile leaves it as it was.
    }
}

}  // namespace vistagon::gui
