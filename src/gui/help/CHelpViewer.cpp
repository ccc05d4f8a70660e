#include "CHelpViewer.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// Resources of a static library need an explicit initialisation in the program.
static void InitHelpResources()
{
    Q_INIT_RESOURCE(help_pages);
}

namespace vistagon::gui {

namespace {

QString PagePath(const QString& topic)
{
    return ":/help/" + topic + ".html";
}

// A page's <h1>, or its topic when it has none.
QString TitleOf(const QString& topic)
{
    QFile file(PagePath(topic));
    if (!file.open(QIODevice::ReadOnly)) return topic;
    const QString html = QString::fromUtf8(file.readAll());
    const int start = html.indexOf("<h1>");
    const int end = html.indexOf("</h1>", start);
    return start >= 0 && end > start ? html.mid(start + 4, end - start - 4) : topic;
}

// The index page's own text, then a link to every page.
QString IndexHtml()
{
    QFile file(PagePath("index"));
    QString html = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "<h1>Vistagon Help</h1>";
    QString list = "<h2>All pages</h2><ul>";
    for (const QString& topic : CHelpViewer::Topics())
        if (topic != "index") list += QString("<li><a href=\"%1.html\">%2</a></li>").arg(topic, TitleOf(topic));
    list += "</ul>";
    const int end = html.lastIndexOf("</body>");
    return end >= 0 ? html.insert(end, list) : html + list;
}

}  // namespace

CHelpViewer::CHelpViewer(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this))
{
    InitHelpResources();
    setWindowTitle("Vistagon Help");
    resize(kPreferredSize);
    browser_->setSearchPaths({":/help"});
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme().isEmpty() || url.scheme() == "qrc") ShowTopic(QFileInfo(url.path()).completeBaseName());
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* index = buttons->addButton("&Index", QDialogButtonBox::ActionRole);
    connect(index, &QPushButton::clicked, this, [this] { ShowTopic("index"); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
}

QStringList CHelpViewer::Topics()
{
    InitHelpResources();
    QStringList topics;
    for (const QString& name : QDir(":/help").entryList({"*.html"}, QDir::Files, QDir::Name))
        topics << QFileInfo(name).completeBaseName();
    return topics;
}

bool CHelpViewer::HasTopic(const QString& topic)
{
    InitHelpResources();
    return QFile::exists(PagePath(topic));
}

void CHelpViewer::ShowTopic(const QString& topic)
{
    topic_ = HasTopic(topic) && topic != "index" ? topic : "index";
    if (topic_ == "index") {
        browser_->setHtml(IndexHtml());
        return;
    }
    QFile file(PagePath(topic_));
    file.open(QIODevice::ReadOnly);
    browser_->setHtml(QString::fromUtf8(file.readAll()));
}

QString CHelpViewer::CurrentText() const
{
    return browser_->toPlainText();
}

}  // namespace vistagon::gui
