#include "GuiDemFeedback.h"

#include "CDemHeaderDialog.h"
#include "shell/Shell.h"

#include <QLineEdit>

namespace vistagon::gui {

bool GuiDemFeedback::ConfirmHeader(const std::string& title, const std::vector<std::string>& lines)
{
    CDemHeaderDialog dialog(
        QString::fromStdString(title), lines, [this](const QString& topic) { shell_.ShowHelp(topic); }, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool GuiDemFeedback::ContinueChecking(const std::string& question)
{
    return shell_.Messages().Ask(question, QuestionButtons::YesNo, MessageIcon::Question) == Answer::Yes;
}

void GuiDemFeedback::ShowCurrentFile(const std::string& path)
{
    currentFile_->setText(QString::fromStdString(path));
}

}  // namespace vistagon::gui
