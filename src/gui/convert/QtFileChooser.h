#pragma once

#include "FileChooser.h"

namespace vistagon::gui {

// The converter dialogs' Browse buttons in the application: QFileDialogs.
class QtFileChooser : public FileChooser {
public:
    std::optional<QString> OpenFile(QWidget* parent, const FileRequest& request) override;
    std::optional<QStringList> OpenFiles(QWidget* parent, const FileRequest& request) override;
    std::optional<QString> SaveFile(QWidget* parent, const FileRequest& request) override;
};

}  // namespace vistagon::gui
