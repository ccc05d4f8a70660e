#include "CommandLine.h"

namespace vistagon::gui {

namespace {

// A leading "/" also starts every absolute path here, so only the known switches count as flags.
bool IsFlag(const QString& argument)
{
    static const QStringList switches = {"/p", "/pt", "/dde", "/embedding", "/automation", "/regserver", "/unregserver"};
    return argument.startsWith('-') || switches.contains(argument.toLower());
}

constexpr int kUsageError = 2;

const char* const kUsage =
    "usage: vistagon [--profile FILE] [SCENE.vgs | IMAGE.tga] [final|raw|preview]\n"
    "\n"
    "Opens the document in the main window. A mode word (also /final, -RAW, any case)\n"
    "given with a scene renders it and ends the application: exit status 0 when the job\n"
    "ran through, 1 otherwise.\n"
    "\n"
    "  --profile FILE  the application profile (default: $VISTAGON_PROFILE, else\n"
    "                  $XDG_CONFIG_HOME/vistagon/vistagon.ini)\n"
    "  --help          prints this text\n"
    "  --version       prints the version\n"
    "\n"
    "Qt's own options (-platform NAME, -style NAME, -display DISPLAY, ...) are taken too.\n";

// Qt's options that the application object takes off the line, with a value and without.
const QStringList kQtOptionsWithValue = {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                         "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "session",
                                         "name", "display", "style", "stylesheet"};
const QStringList kQtFlags = {"reverse", "testability", "nograb", "dograb", "widgetcount", "sync", "qmljsdebugger"};

// The name of a "-name", "--name" or "-name=value" option.
QString OptionName(const QString& argument)
{
    QString name = argument.mid(argument.startsWith("--") ? 2 : 1);
    const qsizetype equals = name.indexOf('=');
    return equals >= 0 ? name.left(equals) : name;
}

CommandLine::EarlyExit UsageError(const QString& why)
{
    return {kUsageError, false, "vistagon: " + why + "\n" + kUsage};
}

}  // namespace

std::optional<CommandLine::EarlyExit> CommandLine::AnswerBeforeStart(const QStringList& arguments)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--help" || argument == "-h") return EarlyExit{0, true, kUsage};
        if (argument == "--version") return EarlyExit{0, true, QString("vistagon %1\n").arg(VISTAGON_VERSION)};
        if (argument == "--profile") {
            if (++i == arguments.size()) return UsageError("--profile needs a file");
            continue;
        }
        if (!argument.startsWith('-') || argument.size() == 1 || argument.startsWith("--profile=") || ModeWord(argument))
            continue;
        const QString name = OptionName(argument);
        if (kQtOptionsWithValue.contains(name)) {
            if (!argument.contains('=') && ++i == arguments.size()) return UsageError(argument + " needs a value");
            continue;
        }
        if (!kQtFlags.contains(name)) return UsageError("unknown option '" + argument + "'");
    }
    return std::nullopt;
}

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
