#include "DialogFields.h"

#include "platform/MessagePresenter.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>

namespace vistagon::gui {

namespace {

bool Refuse(QLineEdit* edit, MessagePresenter& messages, const QString& text)
{
    messages.ShowMessage(text.toStdString(), MessageIcon::Stop);
    edit->setFocus();
    edit->selectAll();
    return false;
}

}  // namespace

QString IntText(long value)
{
    return QString::number(value);
}

QString DoubleText(double value)
{
    return QString::asprintf("%.15g", value);
}

bool ReadInt(QLineEdit* edit, MessagePresenter& messages, int& value)
{
    bool ok = false;
    const int read = edit->text().trimmed().toInt(&ok);
    if (!ok) return Refuse(edit, messages, QStringLiteral("Please enter an integer."));
    value = read;
    return true;
}

bool ReadDouble(QLineEdit* edit, MessagePresenter& messages, double& value)
{
    bool ok = false;
    const double read = QLocale::c().toDouble(edit->text().trimmed(), &ok);
    if (!ok) return Refuse(edit, messages, QStringLiteral("Please enter a number."));
    value = read;
    return true;
}

bool ReadDoubleInRange(QLineEdit* edit, MessagePresenter& messages, double minimum, double maximum, double& value)
{
    double read = 0.0;
    if (!ReadDouble(edit, messages, read)) return false;
    if (read < minimum || read > maximum)
        return Refuse(edit, messages,
                      QStringLiteral("Please enter a number between %1 and %2.")
                          .arg(DoubleText(minimum), DoubleText(maximum)));
    value = read;
    return true;
}

std::string PathOf(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

QLineEdit* AddEdit(QFormLayout* form, const QString& label, const QString& text)
{
    auto* edit = new QLineEdit(text);
    form->addRow(label, edit);
    return edit;
}

}  // namespace vistagon::gui
