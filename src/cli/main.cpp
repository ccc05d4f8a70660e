#include "CliInteraction.h"
#include "Commands.h"

int main(int argc, char** argv)
{
    vistagon::cli::CliInteraction::InstallInterruptHandler();
    return vistagon::cli::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc));
}
