#include "import/japandem/JapanDemJob.h"

#include "image/CTGAFile.h"
#include "image/ElevationEncoding.h"
#include "image/GeoreferenceFile.h"
#include "import/TextFileReader.h"
#include "platform/NumberParsing.h"
#include "platform/TextFormat.h"
#include "platform/messages/JapanDemMessages.h"
#include "platform/messages/TextFileMessages.h"

#include <string_view>

namespace vistagon {

namespace {

constexpr size_t kStartBytes = 6;
constexpr size_t kSizePosition = 23;
constexpr size_t kSizeDigits = 3;
constexpr size_t kLinePrefix = 9;
constexpr size_t kFieldWidth = 5;

// A fixed-width field never reaches over a line break: a row line that ends
// early fails at its first missing field instead of eating the next line.
bool ReadField(TextFileReader& text, char* out, size_t width)
{
    for (size_t i = 0; i < width; ++i) {
        const int c = text.Get();
        if (c < 0 || c == '\n') return false;
        out[i] = static_cast<char>(c);
    }
    return true;
}

// Positions count characters as text mode delivers them, a line break being one.
bool SkipCharacters(TextFileReader& text, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        if (text.Get() < 0) return false;
    return true;
}

// A size field: blanks, then decimal digits; a field without digits is refused.
bool ParseSizeField(std::string_view field, int& value)
{
    size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    if (i == field.size() || field[i] < '0' || field[i] > '9') return false;
    value = ParseLeadingInt(field.substr(i));
    return true;
}

bool ReadSizeField(TextFileReader& text, int& value)
{
    char field[kSizeDigits];
    return ReadField(text, field, kSizeDigits) && ParseSizeField(std::string_view(field, kSizeDigits), value);
}

}  // namespace

bool JapanDemJob::Fail(const std::string& message)
{
    context_.ui.ShowMessage(message, MessageIcon::Stop);
    return false;
}

bool JapanDemJob::ReadSize(TextFileReader& text, int& width, int& height)
{
    char start[kStartBytes];
    if (!ReadField(text, start, kStartBytes)) return Fail(msg::kJapanStartBytes.text);
    if (!SkipCharacters(text, kSizePosition - kStartBytes) || !ReadSizeField(text, width))
        return Fail(msg::kJapanWidth.text);
    if (!ReadSizeField(text, height)) return Fail(msg::kJapanHeight.text);
    return true;
}

bool JapanDemJob::ReadRows(TextFileReader& text, CTGAFile& image)
{
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    char prefix[kLinePrefix];
    text.SkipLine();
    if (!ReadField(text, prefix, kLinePrefix)) return Fail(FormatText(msg::kJapanLinePrefix.text, 0));
    Bgr color;
    image.SetDrawColor(&color);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            char field[kFieldWidth];
            if (!ReadField(text, field, kFieldWidth)) return Fail(FormatText(msg::kJapanElevation.text, x, y));
            int value = ParseLeadingInt(std::string_view(field, kFieldWidth));
            if (value == options_.voidValue) value = 0;
            color = EncodeElevation(value);
            image.SetPixel(x, height - 1 - y);
            if (value != 0) ++nonZero_;
        }
        text.SkipLine();
        if (!ReadField(text, prefix, kLinePrefix) && y < height - 1)
            return Fail(FormatText(msg::kJapanLinePrefix.text, y));
    }
    return true;
}

bool JapanDemJob::Run()
{
    ResetCancelled();
    nonZero_ = 0;
    TextFileReader text;
    if (!text.Open(context_.ui, options_.source)) return false;
    int width = 0;
    int height = 0;
    if (!ReadSize(text, width, height)) return false;
    CTGAFile image(context_, true, 1.0, 1.0, &context_.ui.Status());
    if (!image.CreateImage(width, height)) return false;
    image.FillGray(0);
    const bool read = ReadRows(text, image);
    image.SetDrawColor(&image.background());
    const bool readFailed = text.failed();
    text.Close();
    if (!read) return false;
    if (readFailed) return Fail(FormatText(msg::kCouldNotReadTextFile.text, options_.source.c_str()));
    // The conversion itself never looks at Cancel; a cancel only keeps the file
    // unsaved, and the run still counts as done.
    bool done = !PumpAndGoOn() || image.OnSaveDocument(options_.target);
    image.OnCloseDocument();
    // The file says nothing of where it lies.
    if (done && !WasCancelled()) done = SaveGeoreference(context_, options_.target, std::nullopt);
    context_.ui.ShowMessage(FormatText(msg::kJapanCount.text, nonZero_), MessageIcon::Information);
    ClearStatus();
    return done;
}

}  // namespace vistagon
