#include "Commands.h"
#include "Subcommands.h"

namespace vistagon::cli {

int RunImport(CliSession& session, const std::vector<std::string>& words)
{
    // One line per import filter: name, usage after "import", entry point.
    static const std::vector<Subcommand> kinds = {
        {"binary", "binary HEADER SOURCE TARGET [--ulx X] [--uly Y] [--extent-x W] [--extent-y H] [--zscale Z] [--keep-nodata]", RunImportBinary},
        {"usgs", "usgs TARGET SOURCE... [--void V] [--no-check]", RunImportUsgs},
        {"sdts", "sdts SOURCE TARGET [--void V] [--fill F]", RunImportSdts},
        {"ascii-regular", "ascii-regular SOURCE TARGET [--skip N] [--width W] [--height H] [--zscale Z] [--min-x A] [--max-x B] [--min-y C] [--max-y D]", RunImportAsciiRegular},
        {"ascii-irregular", "ascii-irregular SOURCE TARGET [--skip N] [--width W] [--height H] [--zscale Z] [--estimate N] [--min-x A] [--max-x B] [--min-y C] [--max-y D]", RunImportAsciiIrregular},
        {"tga-irregular", "tga-irregular SOURCE TARGET [--zscale Z] [--estimate N]", RunImportTgaIrregular},
        {"japan", "japan SOURCE TARGET [--void V]", RunImportJapan},
        {"gdal", "gdal SOURCE TARGET [--band N] [--zscale Z] [--void V] [--size WxH] [--window XOFF,YOFF,W,H] [--texture]", RunImportGdal},
    };
    return RunSubcommand("import", kinds, session, words);
}

}  // namespace vistagon::cli
