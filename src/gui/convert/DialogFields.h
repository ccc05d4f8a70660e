#pragma once

#include <QString>
#include <string>

class QFormLayout;
class QLineEdit;

namespace vistagon::gui {

class MessagePresenter;

// The data exchange of the converter dialogs' edit fields: values are shown
// the way the dialogs format them, and read back with the validation message
// (stop icon, focus on the field) when the text is not a number.
QString IntText(long value);
QString DoubleText(double value);

bool ReadInt(QLineEdit* edit, MessagePresenter& messages, int& value);
bool ReadDouble(QLineEdit* edit, MessagePresenter& messages, double& value);
// A double that must lie within [minimum, maximum].
bool ReadDoubleInRange(QLineEdit* edit, MessagePresenter& messages, double minimum, double maximum, double& value);

std::string PathOf(const QLineEdit* edit);

// A labelled edit field holding the given text.
QLineEdit* AddEdit(QFormLayout* form, const QString& label, const QString& text);

}  // namespace vistagon::gui
