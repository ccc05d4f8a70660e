#include "CommandLine.h"

namespace vistagon::gui {

namespace {

// A leading "/" also starts every absolute path here, so only the known switches count as flags.
bool IsFlag(const QString& argument)
{
    static const QStringList switches = {"/p", "/pt", "/dde", "/embedding", "/automation", "/regserver", "/unregserver"};
    return argument.startsWith('-') || switches.contains(argument.toLower());
}

}  // namespace

std::optional<RenderMode> CommandLine::ModeWord(const QString& argument)
{
    QString word = argument;
    if (word.startsWith('/') || word.startsWith('-')) word.remove(0, 1);
    word = word.toLower();
    if (word == "final") return RenderMode::Final;
    if (word == "raw") return RenderMode::Raw;
    if (word == "preview") return RenderMode::Preview;
    return std::nullopt;
}

CommandLine CommandLine::Parse(const QStringList& arguments)
{
    CommandLine result;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--profile" && i + 1 < arguments.size()) {
            result.profile = arguments[++i].toStdString();
            continue;
        }
        if (argument.startsWith("--profile=")) {
            result.profile = argument.mid(10).toStdString();
            continue;
        }
        if (auto mode = ModeWord(argument)) {
            result.batchMode = mode;
            continue;
        }
        // Flags keep their own meaning; the first plain parameter is the document.
        if (!IsFlag(argument) && result.document.isEmpty()) result.document = argument;
    }
    return result;
}

}  // namespace vistagon::gui
