#include "Commands.h"

namespace vistagon::cli {

const std::vector<Command>& AllCommands()
{
    static const std::vector<Command> commands = {
        {"info", "info FILE                      header of a TGA file, or the values of a scene", RunInfo},
        {"import", "import KIND ...                convert foreign elevation data into an elevation file", RunImport},
        {"tool", "tool KIND ...                  image tools on TGA files", RunTool},
    };
    return commands;
}

}  // namespace vistagon::cli
