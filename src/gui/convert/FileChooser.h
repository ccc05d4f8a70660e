#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace vistagon::gui {

// What a Browse button asks for: the default extension, the filter in the
// "Text|*.a;*.b|...||" form of the string table, and the current path.
struct FileRequest {
    QString defaultExtension;
    QString filter;
    QString initialPath;
};

// The open and save file dialogs of the converter dialogs; the application
// shows QFileDialogs, tests answer from a script.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // An existing file, or nothing when the user cancelled.
    virtual std::optional<QString> OpenFile(QWidget* parent, const FileRequest& request) = 0;
    // One or more existing files in the order the dialog gives them.
    virtual std::optional<QStringList> OpenFiles(QWidget* parent, const FileRequest& request) = 0;
    // A file to write (the overwrite question belongs to the dialog).
    virtual std::optional<QString> SaveFile(QWidget* parent, const FileRequest& request) = 0;
};

// "TGA files (*.tga)|*.tga|All files (*.*)|*.*||" as a Qt name filter list.
QString QtNameFilters(const QString& pipeFilter);

}  // namespace vistagon::gui
