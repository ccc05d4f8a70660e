#include "Commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

// GDAL brings a hundred shared libraries that take a process a tenth of a
// second to load; so that a render does not pay for them, "import gdal" and
// "scene path" run in vistagon-cli-gdal beside this program, which replaces
// this process.

namespace vistagon::cli {

namespace {

constexpr const char* kTwinName = "vistagon-cli-gdal";

std::filesystem::path TwinPath()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path(kTwinName) : self.parent_path() / kTwinName;
}

// Replaces this process by the twin running the command; returns only when it cannot start.
int HandToGdalTwin(CliSession& session, const std::vector<std::string>& command, const std::vector<std::string>& words)
{
    const std::string twin = TwinPath().string();
    std::vector<std::string> line = {twin, "--profile", session.context.profile.path()};
    if (session.interaction.assumeYes()) line.emplace_back("--yes");
    line.insert(line.end(), command.begin(), command.end());
    line.insert(line.end(), words.begin(), words.end());
    std::vector<char*> argv;
    for (std::string& word : line) argv.push_back(word.data());
    argv.push_back(nullptr);

    std::fflush(nullptr);
    ::execv(twin.c_str(), argv.data());
    const int failure = errno;
    const std::string name = "vistagon-cli " + command[0] + " " + command[1];
    if (failure == ENOENT) {
        std::fprintf(stderr, "%s: %s is missing beside vistagon-cli; install libgdal-dev and "
                             "configure again (CMake option VISTAGON_GDAL)\n", name.c_str(), kTwinName);
    } else {
        std::fprintf(stderr, "%s: cannot start %s: %s\n", name.c_str(), twin.c_str(), std::strerror(failure));
    }
    return kFailure;
}

}  // namespace

int RunImportGdal(CliSession& session, const std::vector<std::string>& words)
{
    return HandToGdalTwin(session, {"import", "gdal"}, words);
}

int RunScenePath(CliSession& session, const std::vector<std::string>& words)
{
    return HandToGdalTwin(session, {"scene", "path"}, words);
}

}  // namespace vistagon::cli
