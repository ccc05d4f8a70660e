#include "FieldText.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace vistagon::gui {

std::optional<int> ParseFieldInt(const QString& text)
{
    const std::string s = text.trimmed().toStdString();
    if (s.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<double> ParseFieldDouble(const QString& text)
{
    const std::string s = text.trimmed().toStdString();
    if (s.empty()) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(s.c_str(), &end);
    if (*end != '\0') return std::nullopt;
    return value;
}

}  // namespace vistagon::gui
