#include "CDemHeaderDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vistagon::gui {

CDemHeaderDialog::CDemHeaderDialog(const QString& title, const std::vector<std::string>& lines,
                                   std::function<void(const QString&)> showHelp, QWidget* parent)
    : QDialog(parent), showHelp_(std::move(showHelp))
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string& line : lines) {
        const QString text = QString::fromStdString(line);
        const qsizetype tab = text.indexOf('\t');
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, tab < 0 ? text : text.left(tab));
        if (tab >= 0) item->setText(1, text.mid(tab + 1));
    }
    list_->resizeColumnToContents(0);
    list_->header()->setStretchLastSection(true);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 560);
}

void CDemHeaderDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && showHelp_) {
        showHelp_(QStringLiteral("dialog-dem-header"));
        return;
    }
    QDialog::keyPressEvent(event);
}

QStringList CDemHeaderDialog::Lines() const
{
    QStringList lines;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list_->topLevelItem(i);
        lines << (item->text(1).isEmpty() ? item->text(0) : item->text(0) + '\t' + item->text(1));
    }
    return lines;
}

}  // namespace vistagon::gui
