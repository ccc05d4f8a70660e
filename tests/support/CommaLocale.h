#pragma once

#include "support/ScriptedInteraction.h"

#include <string>

namespace vistagon::test {

// Builds a German locale (decimal comma) in a private folder, so a test needs
// no installed locales; the folder for LOCPATH, or empty when the locale
// source or localedef is missing.
std::string MakeCommaLocale(const TempDir& dir);

// Runs with LOCPATH and LC_ALL set to that locale, and puts both back afterwards.
class CommaLocaleScope {
public:
    explicit CommaLocaleScope(const std::string& locpath);
    ~CommaLocaleScope();
    CommaLocaleScope(const CommaLocaleScope&) = delete;
    CommaLocaleScope& operator=(const CommaLocaleScope&) = delete;
};

}  // namespace vistagon::test
