#pragma once

#include "MessagePresenter.h"

#include <functional>

class QWidget;

namespace vistagon::gui {

// Modal QMessageBox boxes titled with the application's name, over the window
// the parent function names at the moment the box opens.
class QMessageBoxPresenter : public MessagePresenter {
public:
    explicit QMessageBoxPresenter(std::function<QWidget*()> parent);

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    Answer Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon) override;

private:
    std::function<QWidget*()> parent_;
};

}  // namespace vistagon::gui
