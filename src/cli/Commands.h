#pragma once

#include "ArgumentList.h"
#include "CliSession.h"

#include <string>
#include <vector>

namespace vistagon::cli {

// One subcommand: its word, a usage line and its entry point. Entry points throw
// UsageError for malformed words and return an ExitStatus otherwise.
struct Command {
    const char* name;
    const char* usage;
    int (*run)(CliSession& session, const std::vector<std::string>& words);
};

const std::vector<Command>& AllCommands();

int RunInfo(CliSession& session, const std::vector<std::string>& words);
int RunRender(CliSession& session, const std::vector<std::string>& words);
int RunPlan(CliSession& session, const std::vector<std::string>& words);
int RunDemo(CliSession& session, const std::vector<std::string>& words);
int RunImport(CliSession& session, const std::vector<std::string>& words);
int RunTool(CliSession& session, const std::vector<std::string>& words);
int RunScene(CliSession& session, const std::vector<std::string>& words);

// Entry points of the import kinds (listed in ImportCommand.cpp) and tool kinds (ToolCommand.cpp).
int RunImportBinary(CliSession& session, const std::vector<std::string>& words);
int RunImportUsgs(CliSession& session, const std::vector<std::string>& words);
int RunImportSdts(CliSession& session, const std::vector<std::string>& words);
int RunImportAsciiRegular(CliSession& session, const std::vector<std::string>& words);
int RunImportAsciiIrregular(CliSession& session, const std::vector<std::string>& words);
int RunImportTgaIrregular(CliSession& session, const std::vector<std::string>& words);
int RunImportJapan(CliSession& session, const std::vector<std::string>& words);
int RunImportGdal(CliSession& session, const std::vector<std::string>& words);
// scene path SCENE --track FILE: GDAL reads the track, so it runs in vistagon-cli-gdal too.
int RunScenePath(CliSession& session, const std::vector<std::string>& words);
int RunToolBlueZero(CliSession& session, const std::vector<std::string>& words);
int RunToolElevToColor(CliSession& session, const std::vector<std::string>& words);
int RunToolElevToGray(CliSession& session, const std::vector<std::string>& words);
int RunToolGrayToElev(CliSession& session, const std::vector<std::string>& words);
int RunToolConvolve(CliSession& session, const std::vector<std::string>& words);
int RunToolMerge(CliSession& session, const std::vector<std::string>& words);
int RunToolMask(CliSession& session, const std::vector<std::string>& words);
int RunToolResample(CliSession& session, const std::vector<std::string>& words);
int RunToolRectify(CliSession& session, const std::vector<std::string>& words);


// Runs the whole command line (without the program name); returns the exit status.
int RunCommandLine(const std::vector<std::string>& arguments);

}  // namespace vistagon::cli
