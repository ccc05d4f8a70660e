#pragma once

#include <QString>
#include <optional>

namespace vistagon::gui {

// A form field read whole as the framework's numeric exchange reads it
// (surrounding blanks allowed, nothing else); none when it does not parse.
std::optional<int> ParseFieldInt(const QString& text);
std::optional<double> ParseFieldDouble(const QString& text);

}  // namespace vistagon::gui
