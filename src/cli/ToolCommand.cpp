#include "Commands.h"
#include "Subcommands.h"

namespace vistagon::cli {

int RunTool(CliSession& session, const std::vector<std::string>& words)
{
    // One line per image tool: name, usage after "tool", entry point.
    static const std::vector<Subcommand> kinds = {
        {"elev-to-color", "elev-to-color SOURCE TARGET --palette P [--lower L] [--upper U]", RunToolElevToColor},
        {"elev-to-gray", "elev-to-gray SOURCE TARGET [--zscale Z]", RunToolElevToGray},
        {"gray-to-elev", "gray-to-elev SOURCE TARGET", RunToolGrayToElev},
        {"convolve", "convolve SOURCE TARGET --matrix M", RunToolConvolve},
        {"merge", "merge FILE1 FILE2 TARGET [--bias1 B] [--bias2 B] [--multiply]", RunToolMerge},
        {"mask", "mask SOURCE TARGET --mask M", RunToolMask},
        {"resample", "resample SOURCE TARGET --factor 2|3|4", RunToolResample},
        {"rectify",
         "rectify SOURCE TARGET [--elevation] [--target-corners x1,y1,x2,y2,x3,y3,x4,y4]\n"
         "                [--source-corners x1',y1',x2',y2',x3',y3',x4',y4']",
         RunToolRectify},
        {"blue-zero", "blue-zero SOURCE TARGET", RunToolBlueZero},
    };
    return RunSubcommand("tool", kinds, session, words);
}

}  // namespace vistagon::cli
