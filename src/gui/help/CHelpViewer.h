#pragma once

#include <QDialog>
#include <QSize>
#include <QStringList>

class QTextBrowser;

namespace vistagon::gui {

// The built-in help: one short HTML page per window and dialog, embedded as
// resources under ":/help/<topic>.html", with an index of every page.
class CHelpViewer : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kPreferredSize{560, 520};

    explicit CHelpViewer(QWidget* parent = nullptr);

    // An unknown topic shows the index.
    void ShowTopic(const QString& topic);
    QString CurrentTopic() const { return topic_; }
    QString CurrentText() const;

    // Every topic there is a page for, sorted.
    static QStringList Topics();
    static bool HasTopic(const QString& topic);

private:
    QTextBrowser* browser_;
    QString topic_;
};

}  // namespace vistagon::gui
