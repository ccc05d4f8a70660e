#pragma once

#include "Shell.h"
#include "platform/QMessageBoxPresenter.h"

#include <QMainWindow>

class QMdiArea;

namespace vistagon::gui {

// The main frame: the MDI area, menus, toolbar and status bar; it routes
// commands to the active child window and owns no computation.
class CMainFrame : public QMainWindow, public Shell {
    Q_OBJECT
public:
    // messages: the presenter of every box; the frame's own when none is given.
    CMainFrame(std::string profilePath, MessagePresenter* messages = nullptr);

    MessagePresenter& Messages() override { return *messages_; }
    Profile AppProfile() const override { return Profile(profilePath_); }
    QWidget* DialogParent() override { return this; }
    QMdiSubWindow* AddChildWindow(QWidget* child) override;
    void SetStatusMessage(const QString& text) override;
    void SetPositionText(const QString& text) override;
    void SetZoomText(const QString& text) override;
    void UpdateCommands() override {}
    void ShowHelp(const QString& topic) override;

    QMdiArea* mdiArea() const { return mdiArea_; }

private:
    std::string profilePath_;
    QMessageBoxPresenter ownMessages_;
    MessagePresenter* messages_;
    QMdiArea* mdiArea_;
};

}  // namespace vistagon::gui
