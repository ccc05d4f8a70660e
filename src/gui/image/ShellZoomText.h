#pragma once

#include "platform/UserInteraction.h"

namespace vistagon::gui {

class Shell;

// A window's "%d%%" progress text, shown in the status bar's narrow pane.
class ShellZoomText : public ProgressText {
public:
    explicit ShellZoomText(Shell& shell) : shell_(shell) {}
    void SetText(std::string_view text) override;

private:
    Shell& shell_;
};

}  // namespace vistagon::gui
