#pragma once

#include "Command.h"

#include <QString>

namespace vistagon::gui {

// What every MDI child's widget answers: the main frame builds the menus of
// its kind and routes the commands to it.
class ChildWindow {
public:
    virtual ~ChildWindow() = default;

    virtual WindowKind Kind() const = 0;
    // False greys the command out in the menus and on the toolbar.
    virtual bool IsEnabled(Command command) const = 0;
    virtual void Execute(Command command) = 0;
    // Asked before the window or the application closes; false refuses
    // (the window has then said why, or the user cancelled a save question).
    virtual bool MayClose() = 0;
    // Empty for a document never saved.
    virtual QString DocumentPath() const = 0;
    // The magnification for the status bar's narrow pane ("1:2", "2:1"); empty
    // for windows without one.
    virtual QString ZoomText() const { return {}; }
};

}  // namespace vistagon::gui
