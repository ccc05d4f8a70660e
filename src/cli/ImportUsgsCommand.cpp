#include "Commands.h"
#include "import/usgsdem/UsgsDemJob.h"

#include <cstdio>

namespace vistagon::cli {

namespace {

// Headers go to stdout; the jump question is printed and answered Yes (with
// --no-check it is never asked); the file being converted labels the progress.
class CliDemFeedback : public UsgsDemFeedback {
public:
    explicit CliDemFeedback(CliSession& session) : session_(session) {}

    bool ConfirmHeader(const std::string& title, const std::vector<std::string>& lines) override
    {
        std::fprintf(session_.out, "%s\n", title.c_str());
        for (const std::string& line : lines) std::fprintf(session_.out, "%s\n", line.c_str());
        std::fflush(session_.out);
        return true;
    }
    bool ContinueChecking(const std::string& question) override
    {
        session_.interaction.ShowMessage(question, MessageIcon::Question);
        session_.interaction.ShowMessage("[answered Yes; --no-check turns the question off]", MessageIcon::None);
        return true;
    }
    void ShowCurrentFile(const std::string& path) override { session_.interaction.progress().SetLabel(path); }

private:
    CliSession& session_;
};

}  // namespace

// import usgs TARGET SOURCE...: the files merge in the order given.
int RunImportUsgs(CliSession& session, const std::vector<std::string>& words)
{
    const ArgumentList args(words, {"--void"}, {"--no-check"});
    args.ExpectPositional(2, words.size());
    UsgsDemOptions options;
    options.targetPath = args.positional()[0];
    options.sourcePaths.assign(args.positional().begin() + 1, args.positional().end());
    options.voidValue = args.Int("--void").value_or(options.voidValue);
    options.checkJumps = !args.Has("--no-check");

    CliDemFeedback feedback(session);
    UsgsDemJob job(session.context, options, feedback);
    const bool converted = job.Run();
    return converted && !job.WasCancelled() ? kSuccess : kFailure;
}

}  // namespace vistagon::cli
