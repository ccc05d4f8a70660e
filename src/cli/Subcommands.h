#pragma once

#include "CliSession.h"

#include <string>
#include <vector>

namespace vistagon::cli {

// One kind under a command word such as "import" or "tool".
struct Subcommand {
    const char* name;
    const char* usage;
    int (*run)(CliSession& session, const std::vector<std::string>& words);
};

// Runs the subcommand named by the first word; unknown or missing kinds are usage errors.
int RunSubcommand(const char* command, const std::vector<Subcommand>& kinds, CliSession& session,
                  const std::vector<std::string>& words);

}  // namespace vistagon::cli
