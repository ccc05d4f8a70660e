#pragma once

#include "CliInteraction.h"
#include "platform/AppContext.h"

#include <cstdio>
#include <string>

namespace vistagon::cli {

// What every command runs with: the interaction, the profile, and stdout for results.
struct CliSession {
    CliSession(bool assumeYes, std::string profilePath)
        : interaction(assumeYes), context{interaction, Profile(std::move(profilePath))}
    {
    }

    CliInteraction interaction;
    AppContext context;
    std::FILE* out = stdout;
};

enum ExitStatus { kSuccess = 0, kFailure = 1, kUsage = 2 };

}  // namespace vistagon::cli
