#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QTreeWidget;

namespace vistagon::gui {

// The header of one DEM file, shown before the conversion reads it: OK goes
// on, Cancel ends the conversion. Each "name:\tvalue" line shows in two columns.
class CDemHeaderDialog : public QDialog {
    Q_OBJECT
public:
    // showHelp opens a help page by topic (F1).
    CDemHeaderDialog(const QString& title, const std::vector<std::string>& lines,
                     std::function<void(const QString&)> showHelp, QWidget* parent = nullptr);

    // The lines as given, tab included.
    QStringList Lines() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTreeWidget* list_;
    std::function<void(const QString&)> showHelp_;
};

}  // namespace vistagon::gui
