#include "Commands.h"

namespace vistagon::cli {

const std::vector<Command>& AllCommands()
{
    static const std::vector<Command> commands = {
        {"info", "info FILE                      header of a TGA file, or the values of a scene", RunInfo},
    };
    return commands;
}

}  // namespace vistagon::cli
