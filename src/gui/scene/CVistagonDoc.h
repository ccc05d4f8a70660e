#pragma once

#include <QString>

namespace vistagon::gui {

// A scene document: its file and its modified flag. The values live on its form.
class CVistagonDoc {
public:
    explicit CVistagonDoc(QString untitledName) : title_(std::move(untitledName)) {}

    const QString& path() const { return path_; }
    // The file name, or "untitled<n>" for a scene never saved.
    const QString& title() const { return title_; }
    void SetPath(const QString& path);

    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

private:
    QString path_;
    QString title_;
    bool modified_ = false;
};

}  // namespace vistagon::gui
