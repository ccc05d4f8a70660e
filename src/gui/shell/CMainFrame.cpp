#include "CMainFrame.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

namespace vistagon::gui {

CMainFrame::CMainFrame(std::string profilePath, MessagePresenter* messages)
    : profilePath_(std::move(profilePath)),
      ownMessages_([this] { return static_cast<QWidget*>(this); }),
      messages_(messages ? messages : &ownMessages_),
      mdiArea_(new QMdiArea(this))
{
    setCentralWidget(mdiArea_);
    statusBar();
}

QMdiSubWindow* CMainFrame::AddChildWindow(QWidget* child)
{
    QMdiSubWindow* window = mdiArea_->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

void CMainFrame::SetStatusMessage(const QString& text)
{
    statusBar()->showMessage(text);
}

void CMainFrame::SetPositionText(const QString&) {}

void CMainFrame::SetZoomText(const QString&) {}

void CMainFrame::ShowHelp(const QString&) {}

}  // namespace vistagon::gui
