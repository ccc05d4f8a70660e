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
    // "final", "raw" or "preview", with or without a leading "/" or "-", any case.
    static std::optional<RenderMode> ModeWord(const QString& argument);
};

}  // namespace vistagon::gui
