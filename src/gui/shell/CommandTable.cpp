#include "CommandTable.h"

#include <stdexcept>

namespace vistagon::gui {

namespace {

// Beside the seven filters of old, for the rasters of today.
constexpr int kGdalRasterCommand = 32840;

QList<QKeySequence> Keys(QKeySequence key)
{
    return {key};
}

// Ctrl with the numeric pad key, and the main keyboard's for laptops without one.
QList<QKeySequence> PadKeys(Qt::Key key)
{
    return {QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, key)), QKeySequence(Qt::CTRL | key)};
}

}  // namespace

const std::vector<CommandInfo>& CommandTable::All()
{
    using C = Command;
    using V = ConverterCommand;
    static const std::vector<CommandInfo> table = {
        {cmd::kNew, "&New", Keys(Qt::CTRL | Qt::Key_N), {}, {}},
        {cmd::kOpen, "&Open...", Keys(Qt::CTRL | Qt::Key_O), {}, {}},
        {cmd::kClose, "&Close", {}, {}, {}},
        {cmd::kSave, "&Save", Keys(Qt::CTRL | Qt::Key_S), C::Save, {}},
        {cmd::kSaveAs, "Save &As...", {}, C::SaveAs, {}},
        {cmd::kPrintSetup, "P&rint Setup...", {}, {}, {}},
        {cmd::kPrint, "&Print...", Keys(Qt::CTRL | Qt::Key_P), C::Print, {}},
        {cmd::kPrintPreview, "Print Pre&view", {}, C::PrintPreview, {}},
        {cmd::kExit, "E&xit", {}, {}, {}},
        {cmd::kCut, "Cu&t", {}, {}, {}},
        {cmd::kCopy, "&Copy", Keys(Qt::CTRL | Qt::Key_C), C::Copy, {}},
        {cmd::kPaste, "&Paste", Keys(Qt::CTRL | Qt::Key_V), C::Paste, {}},
        {cmd::kFirstToLast, "First -&> Last", {}, C::FirstToLast, {}},
        {cmd::kLastToFirst, "First &<- Last", {}, C::LastToFirst, {}},
        {cmd::kPreview, "&Preview...", Keys(Qt::CTRL | Qt::Key_E), C::CalculatePreview, {}},
        {cmd::kRaw, "&Raw...", Keys(Qt::CTRL | Qt::Key_R), C::CalculateRaw, {}},
        {cmd::kFinal, "&Final...", Keys(Qt::CTRL | Qt::Key_F), C::CalculateFinal, {}},
        {cmd::kFlightPlan, "F&light Plan", {}, C::FlightPlan, {}},
        {cmd::kStop, "S&top rendering", Keys(Qt::CTRL | Qt::Key_T), C::StopRendering, {}},
        {cmd::kZoomIn, "Zoom In (Ctrl +)", PadKeys(Qt::Key_Plus), C::ZoomIn, {}},
        {cmd::kZoomOut, "Zoom Out (Ctrl -)", PadKeys(Qt::Key_Minus), C::ZoomOut, {}},
        {cmd::kZoomOne, "Zoom To 1:1 (Ctrl 1)", PadKeys(Qt::Key_1), C::ZoomOneToOne, {}},
        {cmd::kApply, "&Apply", {}, C::Apply, {}},
        {cmd::kImportTrack, "Import Track...", {}, C::ImportTrack, {}},
        {cmd::kOptions, "&Options...", {}, {}, {}},
        {32806, "USGS &DEMs...", {}, {}, V::UsgsDem},
        {32822, "Bi&nary DEMs...", {}, {}, V::BinaryDem},
        {32826, "ASCII &Regular...", {}, {}, V::AsciiRegular},
        {32827, "ASCII &Irregular...", {}, {}, V::AsciiIrregular},
        {32828, "&TGA Irregular...", {}, {}, V::TgaIrregular},
        {32830, "&SDTS...", {}, {}, V::Sdts},
        {32831, "&Japan DEMs...", {}, {}, V::JapanDem},
        {kGdalRasterCommand, "&GDAL raster...", {}, {}, V::GdalRaster},
        {32809, "Elevation To &Color...", {}, {}, V::ElevationToColor},
        {32810, "Elevation To &Gray...", {}, {}, V::ElevationToGray},
        {32812, "Gray To &Elevation...", {}, {}, V::GrayToElevation},
        {32829, "Change Blue = 0 Pi&xels...", {}, {}, V::BlueZero},
        {32805, "Con&volution...", {}, {}, V::Convolution},
        {32815, "&Merge...", {}, {}, V::Merge},
        {32814, "M&ask...", {}, {}, V::Mask},
        {32819, "Re&sample Elevation File...", {}, {}, V::Resample},
        {32818, "&Rectify...", {}, {}, V::Rectify},
        {cmd::kAbout, "&About VISTAGON...", {}, {}, {}},
        {cmd::kHelpIndex, "&Index", {}, {}, {}},
        {cmd::kHelpUsing, "&Using Help", {}, {}, {}},
        {cmd::kHelp, "&Help", Keys(Qt::Key_F1), {}, {}},
        {cmd::kContextHelp, "Help on &Window", Keys(Qt::SHIFT | Qt::Key_F1), {}, {}},
        {cmd::kToolbar, "&Toolbar", {}, {}, {}},
        {cmd::kStatusBar, "&Status Bar", {}, {}, {}},
        {cmd::kCascade, "&Cascade", {}, {}, {}},
        {cmd::kTile, "&Tile", {}, {}, {}},
        {cmd::kArrange, "&Arrange Icons", {}, {}, {}},
    };
    return table;
}

const CommandInfo& CommandTable::Find(int id)
{
    for (const CommandInfo& info : All())
        if (info.id == id) return info;
    throw std::out_of_range("no command " + std::to_string(id));
}

const std::vector<CommandTable::SubMenu>& CommandTable::ToolMenus()
{
    static const std::vector<SubMenu> menus = {
#ifdef VISTAGON_HAVE_GDAL
        {"&Import Filters", {32806, 32822, 32826, 32827, 32828, 32830, 32831, kGdalRasterCommand}},
#else
        {"&Import Filters", {32806, 32822, 32826, 32827, 32828, 32830, 32831}},
#endif
        {"Format &Conversions", {32809, 32810, 32812, 32829}},
        {"&Math Functions", {32805, 32815, 32814, 32819, 32818}},
    };
    return menus;
}

}  // namespace vistagon::gui
