#pragma once

#include "platform/Profile.h"

#include <QStringList>

namespace vistagon::gui {

// The four most recently used files, "Recent File List"/"File1".."File4".
class RecentFileList {
public:
    static constexpr int kSize = 4;

    static QStringList Read(const Profile& profile);
    // Moves path to the front (once), drops the fifth.
    static void Add(const Profile& profile, const QString& path);
    static void Remove(const Profile& profile, const QString& path);

private:
    static void Write(const Profile& profile, const QStringList& files);
};

}  // namespace vistagon::gui
