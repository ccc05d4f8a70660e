#include "import/binarydem/BinaryHeaderReader.h"

#include "import/binarydem/DecimalText.h"
#include "import/binarydem/TextModeReader.h"
#include "platform/FileError.h"
#include "platform/NumberParsing.h"
#include "platform/messages/BinaryDemMessages.h"

#include <cctype>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace vistagon {

namespace {

// Lines are read in pieces of at most this many characters.
constexpr size_t kLineLimit = 255;

bool IsBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Where the value begins: after the first colon, or else after the first word.
size_t ValueStart(std::string_view line)
{
    size_t i = line.find(':');
    if (i != std::string_view::npos) {
        ++i;
    } else {
        i = 0;
        while (i < line.size() && IsBlank(line[i])) ++i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
    }
    while (i < line.size() && IsBlank(line[i])) ++i;
    return i;
}

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool StartsWithAny(std::string_view text, std::initializer_list<std::string_view> prefixes)
{
    for (std::string_view prefix : prefixes)
        if (StartsWith(text, prefix)) return true;
    return false;
}

void ApplyDatatype(std::string_view value, int& nbits)
{
    if (StartsWith(value, "i8")) nbits = 8;
    else if (StartsWithAny(value, {"i16", "integer"})) nbits = 16;
    else if (StartsWithAny(value, {"f32", "real"})) nbits = 32;
}

// A pixel size has to be a positive finite number; zero and less would divide
// the output size by nothing.
bool IsUsablePixelSize(double size)
{
    return !BinaryHeaderInfo::IsMissing(size) && std::isfinite(size) && size > 0.0;
}

}  // namespace

void ApplyHeaderLine(std::string_view rawLine, BinaryHeaderInfo& info)
{
    const std::string line = LowerCase(rawLine);
    std::string_view value = std::string_view(line).substr(ValueStart(line));
    value = value.substr(0, value.find('\n'));

    // The first matching row wins, so the order of these tests matters.
    if (StartsWithAny(line, {"rows", "nrows"})) info.rows = ParseLeadingInt(value);
    else if (StartsWithAny(line, {"cols", "ncols", "columns"})) info.cols = ParseLeadingInt(value);
    else if (StartsWithAny(line, {"bands", "nbands"})) info.bands = ParseLeadingInt(value);
    else if (StartsWith(line, "nbits")) info.nbits = ParseLeadingInt(value);
    else if (StartsWithAny(line, {"datatype", "data type"})) ApplyDatatype(value, info.nbits);
    else if (StartsWithAny(line, {"byte_order", "byteorder"})) info.byteOrder = std::string(value);
    else if (StartsWithAny(line, {"ul_x_coordinate", "min. x", "ulxmap"})) info.ulX = LeadingDecimal(value);
    else if (StartsWithAny(line, {"ul_y_coordinate", "max. y", "ulymap"})) info.ulY = LeadingDecimal(value);
    else if (StartsWithAny(line, {"lr_x_coordinate", "max. x"})) info.lrX = LeadingDecimal(value);
    else if (StartsWithAny(line, {"lr_y_coordinate", "min. y"})) info.lrY = LeadingDecimal(value);
    else if (StartsWithAny(line, {"pixel_width", "xdim"})) info.xdim = LeadingDecimal(value);
    else if (StartsWithAny(line, {"pixel_height", "ydim"})) info.ydim = LeadingDecimal(value);
    else if (StartsWithAny(line, {"map_units", "ref. units"})) info.mapUnits = std::string(value);
    else if (StartsWith(line, "layout")) info.layout = std::string(value);
    else if (StartsWith(line, "nodata")) {
        info.nodata = ParseLeadingInt(value);
        info.nodataGiven = true;
    }
}

void DerivePixelSize(BinaryHeaderInfo& info)
{
    if (BinaryHeaderInfo::IsMissing(info.xdim)) info.xdim = (info.lrX - info.ulX) / (info.cols - 1.0);
    if (BinaryHeaderInfo::IsMissing(info.ydim)) info.ydim = (info.ulY - info.lrY) / (info.rows - 1.0);
}

std::string HeaderProblems(const BinaryHeaderInfo& info)
{
    std::string problems;
    if (info.rows == -1) problems += msg::kHeaderRows.text;
    if (info.cols == -1) problems += msg::kHeaderCols.text;
    if (info.bands != 1) problems += msg::kHeaderBands.text;
    if (info.nbits != 8 && info.nbits != 16 && info.nbits != 32) problems += msg::kHeaderDatatype.text;
    if (BinaryHeaderInfo::IsMissing(info.ulX)) problems += msg::kHeaderUlX.text;
    if (BinaryHeaderInfo::IsMissing(info.ulY)) problems += msg::kHeaderUlY.text;
    if (!IsUsablePixelSize(info.xdim)) problems += msg::kHeaderPixelWidth.text;
    if (!IsUsablePixelSize(info.ydim)) problems += msg::kHeaderPixelHeight.text;
    return problems;
}

HeaderReadResult ReadBinaryHeader(const std::string& path, UserInteraction& ui, BinaryHeaderInfo& info)
{
    std::optional<TextModeReader> text;
    try {
        text.emplace(path);
    } catch (const FileError&) {
        return HeaderReadResult::NotOpened;
    }
    info = BinaryHeaderInfo();
    try {
        std::string line;
        while (text->ReadLine(line, kLineLimit)) {
            ApplyHeaderLine(line, info);
            line.clear();
        }
    } catch (const FileError&) {
        // A read error ends the file there; the checks below tell what is missing.
    }
    DerivePixelSize(info);
    const std::string problems = HeaderProblems(info);
    if (problems.empty()) return HeaderReadResult::Loaded;
    ui.ShowMessage(std::string(msg::kHeaderErrors.text) + problems, MessageIcon::Stop);
    return HeaderReadResult::Invalid;
}

}  // namespace vistagon
