#pragma once

namespace vistagon::gui {

class Shell;

// The Import Filters, Format Conversions and Math Functions menu commands.
enum class ConverterCommand {
    UsgsDem,
    BinaryDem,
    AsciiRegular,
    AsciiIrregular,
    TgaIrregular,
    Sdts,
    JapanDem,
    ElevationToColor,
    ElevationToGray,
    GrayToElevation,
    BlueZero,
    Convolution,
    Merge,
    Mask,
    Resample,
    Rectify,
    // Built only with GDAL.
    GdalRaster,
};

// Creates the command's dialog, runs it modally and destroys it.
void RunConverterCommand(ConverterCommand command, Shell& shell);

}  // namespace vistagon::gui
