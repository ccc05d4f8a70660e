#include "QMessageBoxPresenter.h"

#include <QApplication>
#include <QMessageBox>

namespace vistagon::gui {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(QuestionButtons buttons)
{
    switch (buttons) {
    case QuestionButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case QuestionButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case QuestionButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Answer ToAnswer(int button)
{
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
    }
}

}  // namespace

QMessageBoxPresenter::QMessageBoxPresenter(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}

void QMessageBoxPresenter::ShowMessage(std::string_view text, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), QApplication::applicationDisplayName(),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok,
                    parent_ ? parent_() : nullptr);
    box.exec();
}

Answer QMessageBoxPresenter::Ask(std::string_view text, QuestionButtons buttons, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), QApplication::applicationDisplayName(),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), BoxButtons(buttons),
                    parent_ ? parent_() : nullptr);
    return ToAnswer(box.exec());
}

}  // namespace vistagon::gui
