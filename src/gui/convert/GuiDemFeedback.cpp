#include "GuiDemFeedback.h"

#include "CDemHeaderDialog.h"
#include "platform/MessagePresenter.h"

#include <QLineEdit>

namespace vistagon::gui {

bool GuiDemFeedback::ConfirmHeader(const std::string& title, const std::vector<std::string>& lines)
{
    CDemHeaderDialog dialog(QString::fromStdString(title), lines, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool GuiDemFeedback::ContinueChecking(const std::string& question)
{
    return messages_.Ask(question, QuestionButtons::YesNo, MessageIcon::Question) == Answer::Yes;
}

void GuiDemFeedback::ShowCurrentFile(const std::string& path)
{
    currentFile_->setText(QString::fromStdString(path));
}

}  // namespace vistagon::gui
