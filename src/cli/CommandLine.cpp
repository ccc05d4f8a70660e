#include "Commands.h"
#include "platform/FileError.h"

#include <cstdio>
#include <exception>
#include <optional>

namespace vistagon::cli {

namespace {

void PrintUsage(std::FILE* stream)
{
    std::fprintf(stream, "usage: vistagon-cli [--profile FILE] [--yes] COMMAND ...\n\ncommands:\n");
    for (const Command& command : AllCommands()) std::fprintf(stream, "  %s\n", command.usage);
    std::fprintf(stream,
                 "\n--profile FILE  application profile (default $VISTAGON_PROFILE, else\n"
                 "                $XDG_CONFIG_HOME/vistagon/vistagon.ini)\n"
                 "--yes           answer Yes (or OK) to questions; \"...Retry?\" is always No\n"
                 "exit status: 0 success, 1 failure, 2 usage error\n");
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& arguments)
{
    // --profile and --yes may stand anywhere on the line.
    std::optional<std::string> profile;
    bool assumeYes = false;
    std::vector<std::string> words;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--yes" || word == "-y") {
            assumeYes = true;
        } else if (word == "--profile") {
            if (i + 1 >= arguments.size()) {
                std::fprintf(stderr, "vistagon-cli: --profile needs a file\n");
                return kUsage;
            }
            profile = arguments[++i];
        } else if (word.rfind("--profile=", 0) == 0) {
            profile = word.substr(10);
        } else {
            words.push_back(word);
        }
    }
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        PrintUsage(words.empty() ? stderr : stdout);
        return words.empty() ? kUsage : kSuccess;
    }
    const Command* command = nullptr;
    for (const Command& candidate : AllCommands())
        if (words[0] == candidate.name) command = &candidate;
    if (command == nullptr) {
        std::fprintf(stderr, "vistagon-cli: unknown command '%s'\n", words[0].c_str());
        PrintUsage(stderr);
        return kUsage;
    }
    CliSession session(assumeYes, Profile::ResolvePath(profile));
    try {
        return command->run(session, std::vector<std::string>(words.begin() + 1, words.end()));
    } catch (const UsageError& error) {
        session.interaction.progress().Break();
        std::fprintf(stderr, "vistagon-cli %s: %s\nusage: vistagon-cli %s\n", command->name, error.what(), command->usage);
        return kUsage;
    } catch (const FileError& error) {
        session.interaction.progress().Break();
        std::fprintf(stderr, "vistagon-cli %s: %s\n", command->name, error.what());
        return kFailure;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "vistagon-cli %s: out of memory\n", command->name);
        return kFailure;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vistagon-cli %s: %s\n", command->name, error.what());
        return kFailure;
    }
}

}  // namespace vistagon::cli
