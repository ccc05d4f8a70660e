#pragma once

#include <QListWidget>
#include <string>
#include <vector>

namespace vistagon::gui {

// The "Results" list of the ASCII and scattered-point imports.
class ResultsListBox : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

    void Show(const std::vector<std::string>& lines)
    {
        clear();
        for (const std::string& line : lines) addItem(QString::fromStdString(line));
    }
    QStringList Lines() const
    {
        QStringList lines;
        for (int i = 0; i < count(); ++i) lines << item(i)->text();
        return lines;
    }
};

}  // namespace vistagon::gui
