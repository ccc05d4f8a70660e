#pragma once

#include "ChildWindow.h"
#include "platform/Profile.h"

#include <QStringList>

class QWidget;

namespace vistagon::gui {

// The Open and Save prompts of the documents: filters built from the two
// registered document kinds, the last-used kind first, and the folders kept in
// "Directories".
class FileDialogs {
public:
    static constexpr const char* kSceneFilter = "VGS Files (*.vgs)";
    static constexpr const char* kImageFilter = "TGA Files (*.tga)";
    static constexpr const char* kYuvFilter = "YUV files (*.yuv *.YUV)";
    static constexpr const char* kAllFilter = "All Files (*.*)";

    // File Open: the template whose extension is "Recent File Load"/"Name" first.
    static QStringList OpenFilters(const Profile& profile);
    // Save As of a window kind: its own filter first (an image adds YUV), then all files.
    static QStringList SaveFilters(WindowKind kind);

    // File Open: an existing file or empty; "Directories"/"Open" before and after.
    static QString PromptOpen(QWidget* parent, const Profile& profile);
    // Save As; "Directories"/"Save" before and after, whatever the outcome.
    static QString PromptSave(QWidget* parent, const Profile& profile, WindowKind kind, const QString& initial);

    // Writes the current folder to "Directories"/key (at most 260 characters).
    static void RecordCurrentFolder(const Profile& profile, const char* key);
    // Makes "Directories"/key the current folder when it names one.
    static void EnterRecordedFolder(const Profile& profile, const char* key);
};

}  // namespace vistagon::gui
