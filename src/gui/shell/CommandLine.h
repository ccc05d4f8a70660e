#pragma once

#include "render/RenderTypes.h"

#include <QStringList>
#include <optional>
#include <string>

namespace vistagon::gui {

// What the application was started with: the document to open, the batch mode
// word and the profile file.
struct CommandLine {
    std::optional<RenderMode> batchMode;  // the last mode word given
    QString document;                     // the first plain parameter
    std::optional<std::string> profile;   // --profile FILE

    // arguments without the program name, after Qt has taken its own options.
    static CommandLine Parse(const QStringList& arguments);

    // What the program answers before the application object (and with it Qt's
    // search for a display) exists: --help and --version, or the usage on a
    // parameter that neither it nor Qt knows.
    struct EarlyExit {
        int status;     // 0 for --help and --version, 2 for a usage error
        bool toStdout;  // the usage error goes to stderr
        QString text;
    };
    // arguments without the program name, Qt's own options still among them.
    static std::optional<EarlyExit> AnswerBeforeStart(const QStringList& arguments);
    // "final", "raw" or "preview", with or without a leading "/" or "-", any case.
    static std::optional<RenderMode> ModeWord(const QString& argument);
};

}  // namespace vistagon::gui
