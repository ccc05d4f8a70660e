#pragma once

#include "Command.h"
#include "convert/ConverterCommand.h"

#include <QKeySequence>
#include <QList>
#include <optional>
#include <vector>

namespace vistagon::gui {

// The command IDs of the menus, the toolbar and the accelerators.
namespace cmd {
inline constexpr int kNew = 57600, kOpen = 57601, kClose = 57602, kSave = 57603, kSaveAs = 57604;
inline constexpr int kPrintSetup = 57606, kPrint = 57607, kPrintPreview = 57609, kExit = 57665;
inline constexpr int kCut = 57635, kCopy = 57634, kPaste = 57637;
inline constexpr int kFirstToLast = 32807, kLastToFirst = 32808;
inline constexpr int kPreview = 32803, kRaw = 32804, kFinal = 32802, kStop = 32820;
inline constexpr int kZoomIn = 32823, kZoomOut = 32824, kZoomOne = 32825, kApply = 32811, kOptions = 32816;
inline constexpr int kAbout = 57664, kHelpIndex = 57666, kHelpUsing = 57668, kHelp = 57670, kContextHelp = 57669;
inline constexpr int kToolbar = 59392, kStatusBar = 59393;
inline constexpr int kCascade = 57650, kTile = 57651, kArrange = 57649;
inline constexpr int kImportTrack = 32841;  // the path editor's, beside Apply
inline constexpr int kFlightPlan = 32842;
}  // namespace cmd

struct CommandInfo {
    int id;
    const char* text;
    QList<QKeySequence> keys;
    std::optional<Command> routed;              // sent to the active window
    std::optional<ConverterCommand> converter;  // opens a filter's or tool's dialog
};

class CommandTable {
public:
    static const std::vector<CommandInfo>& All();
    static const CommandInfo& Find(int id);

    // The three Calculate sub-menus: title and command IDs.
    struct SubMenu {
        const char* title;
        std::vector<int> ids;
    };
    static const std::vector<SubMenu>& ToolMenus();
};

}  // namespace vistagon::gui
