#pragma once

#include "import/usgsdem/UsgsDemFeedback.h"

class QLineEdit;
class QWidget;

namespace vistagon::gui {

class Shell;

// The DEM conversion inside its dialog: the header dialog per file, the jump
// question as a box, the file being converted in the dialog's field.
class GuiDemFeedback : public UsgsDemFeedback {
public:
    GuiDemFeedback(QWidget* parent, Shell& shell, QLineEdit* currentFile)
        : parent_(parent), shell_(shell), currentFile_(currentFile)
    {
    }

    bool ConfirmHeader(const std::string& title, const std::vector<std::string>& lines) override;
    bool ContinueChecking(const std::string& question) override;
    void ShowCurrentFile(const std::string& path) override;

private:
    QWidget* parent_;
    Shell& shell_;
    QLineEdit* currentFile_;
};

}  // namespace vistagon::gui
