#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QTreeWidget;

namespace vistagon::gui {

// The header of one DEM file, shown before the conversion reads it: OK goes
// on, Cancel ends the conversion. Each "name:\tvalue" line shows in two columns.
class CDemHeaderDialog : public QDialog {
    Q_OBJECT
public:
    CDemHeaderDialog(const QString& title, const std::vector<std::string>& lines, QWidget* parent = nullptr);

    // The lines as given, tab included.
    QStringList Lines() const;

private:
    QTreeWidget* list_;
};

}  // namespace vistagon::gui
