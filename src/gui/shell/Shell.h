#pragma once

#include "platform/MessagePresenter.h"
#include "platform/Profile.h"

#include <QString>
#include <string>

class QWidget;
class QMdiSubWindow;

namespace vistagon::gui {

// What the main frame offers the windows and dialogs inside it.
class Shell {
public:
    virtual ~Shell() = default;

    virtual MessagePresenter& Messages() = 0;
    // The application profile; values are read from it when needed.
    virtual Profile AppProfile() const = 0;
    // The parent of modal dialogs.
    virtual QWidget* DialogParent() = 0;

    // Shows a child (whose widget is a ChildWindow) in the MDI area.
    virtual QMdiSubWindow* AddChildWindow(QWidget* child) = 0;
    // The status bar's message pane, its wide position pane and its narrow pane.
    virtual void SetStatusMessage(const QString& text) = 0;
    virtual void SetPositionText(const QString& text) = 0;
    virtual void SetZoomText(const QString& text) = 0;
    // Asks the frame to rebuild menus and toolbar states (after a window's state changed).
    virtual void UpdateCommands() = 0;
    // Opens the built-in help viewer on a topic (a window's or a dialog's page).
    virtual void ShowHelp(const QString& topic) = 0;
};

}  // namespace vistagon::gui
