#include "Commands.h"
#include "Subcommands.h"

namespace vistagon::cli {

int RunTool(CliSession& session, const std::vector<std::string>& words)
{
    // One line per image tool: name, usage after "tool", entry point.
    static const std::vector<Subcommand> kinds = {
    };
    return RunSubcommand("tool", kinds, session, words);
}

}  // namespace vistagon::cli
