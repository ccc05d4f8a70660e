#include "support/CommaLocale.h"

#include <cstdlib>
#include <filesystem>

namespace vistagon::test {

std::string MakeCommaLocale(const TempDir& dir)
{
    if (!std::filesystem::exists("/usr/share/i18n/locales/de_DE")) return "";
    const std::string command = "localedef -i de_DE -f UTF-8 '" + dir.File("de_DE.UTF-8") + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 && !std::filesystem::exists(dir.File("de_DE.UTF-8"))) return "";
    return dir.path().string();
}

CommaLocaleScope::CommaLocaleScope(const std::string& locpath)
{
    setenv("LOCPATH", locpath.c_str(), 1);
    setenv("LC_ALL", "de_DE.UTF-8", 1);
}

CommaLocaleScope::~CommaLocaleScope()
{
    unsetenv("LC_ALL");
    unsetenv("LOCPATH");
}

}  // namespace vistagon::test
