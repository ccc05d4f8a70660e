#include "Subcommands.h"

#include "ArgumentList.h"

#include <cstdio>

namespace vistagon::cli {

int RunSubcommand(const char* command, const std::vector<Subcommand>& kinds, CliSession& session,
                  const std::vector<std::string>& words)
{
    if (!words.empty()) {
        for (const Subcommand& kind : kinds) {
            if (words[0] != kind.name) continue;
            try {
                return kind.run(session, std::vector<std::string>(words.begin() + 1, words.end()));
            } catch (const UsageError& error) {
                std::fprintf(stderr, "vistagon-cli %s %s: %s\nusage: vistagon-cli %s %s\n", command, kind.name,
                             error.what(), command, kind.usage);
                return kUsage;
            }
        }
    }
    std::fprintf(stderr, "usage: vistagon-cli %s KIND ...\nkinds:\n", command);
    for (const Subcommand& kind : kinds) std::fprintf(stderr, "  %s %s\n", command, kind.usage);
    return kUsage;
}

}  // namespace vistagon::cli
