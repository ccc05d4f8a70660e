#include "flight/FrameName.h"

#include "platform/BinaryFile.h"
#include "platform/FileError.h"
#include "platform/TextFormat.h"
#include "platform/messages/CommonMessages.h"
#include "platform/messages/SceneMessages.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <strings.h>

namespace vistagon {

namespace {

bool HasAcceptedConversion(const std::string& text)
{
    for (const char c : std::string("diuoxX")) {
        if (text.find(std::string("%") + c) != std::string::npos) return true;
        for (char n = '0'; n <= '5'; ++n)
            if (text.find(std::string("%0") + n + c) != std::string::npos) return true;
    }
    return false;
}

// One printf conversion parsed from the template.
struct Conversion {
    size_t length = 0;  // characters from the '%' through the conversion letter
    std::string format;  // the conversion as a format of its own
    std::string modifier;
    char letter = 0;
};

std::optional<Conversion> ParseConversion(const std::string& text, size_t at)
{
    size_t i = at + 1;
    const auto take = [&](const char* set) {
        const size_t begin = i;
        while (i < text.size() && std::strchr(set, text[i]) != nullptr && text[i] != '\0') ++i;
        return text.substr(begin, i - begin);
    };
    // Widths beyond any sensible file name are left as text rather than formatted.
    constexpr size_t kMaxDigits = 4;
    std::string format = "%" + take("-+ #0");
    const std::string width = take("0123456789");
    if (width.size() > kMaxDigits) return std::nullopt;
    format += width;
    if (i < text.size() && text[i] == '.') {
        ++i;
        const std::string precision = take("0123456789");
        if (precision.size() > kMaxDigits) return std::nullopt;
        format += "." + precision;
    }
    Conversion conversion;
    conversion.modifier = take("hljztLq");
    if (i >= text.size()) return std::nullopt;
    conversion.letter = text[i];
    conversion.format = format + conversion.modifier + conversion.letter;
    conversion.length = i + 1 - at;
    return conversion;
}

bool IsIntegerLetter(char c)
{
    return c != 0 && std::strchr("diuoxX", c) != nullptr;
}

// The conversion formatted with the number; none for a modifier printf does not know.
std::optional<std::string> FormatInteger(const Conversion& c, long long number)
{
    const bool isSigned = c.letter == 'd' || c.letter == 'i';
    const std::string& m = c.modifier;
    // The conversion format is built from a checked grammar; the argument type follows its modifier.
    if (m == "hh") return isSigned ? FormatText(c.format.c_str(), static_cast<signed char>(number)) : FormatText(c.format.c_str(), static_cast<unsigned char>(number));
    if (m == "h") return isSigned ? FormatText(c.format.c_str(), static_cast<short>(number)) : FormatText(c.format.c_str(), static_cast<unsigned short>(number));
    if (m == "l") return isSigned ? FormatText(c.format.c_str(), static_cast<long>(number)) : FormatText(c.format.c_str(), static_cast<unsigned long>(number));
    // "L" and "q" are the C library's other spellings of "ll" for integers.
    if (m == "ll" || m == "L" || m == "q" || m == "j") return isSigned ? FormatText(c.format.c_str(), number) : FormatText(c.format.c_str(), static_cast<unsigned long long>(number));
    if (m == "z" || m == "t") return isSigned ? FormatText(c.format.c_str(), static_cast<long>(number)) : FormatText(c.format.c_str(), static_cast<size_t>(number));
    if (m.empty()) return isSigned ? FormatText(c.format.c_str(), static_cast<int>(number)) : FormatText(c.format.c_str(), static_cast<unsigned>(number));
    return std::nullopt;  // an odd modifier ("hl", "lll"): not a conversion at all
}

}  // namespace

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
std::string FormatFrameName(const std::string& outputTemplate, long long number)
{
    std::string result;
    bool numbered = false;
    for (size_t i = 0; i < outputTemplate.size();) {
        if (outputTemplate[i] != '%') {
            result += outputTemplate[i++];
            continue;
        }
        if (i + 1 < outputTemplate.size() && outputTemplate[i + 1] == '%') {
            result += '%';
            i += 2;
            continue;
        }
        const auto conversion = ParseConversion(outputTemplate, i);
        const auto formatted = conversion && !numbered && IsIntegerLetter(conversion->letter)
                                   ? FormatInteger(*conversion, number)
                                   : std::nullopt;
        if (formatted) {
            result += *formatted;
            numbered = true;
            i += conversion->length;
        } else {
            result += outputTemplate[i++];
        }
    }
    return result;
}
#pragma GCC diagnostic pop

std::optional<std::string> CheckOutputTemplate(const std::string& outputTemplate)
{
    if (!HasAcceptedConversion(outputTemplate)) return std::string(msg::kOutputTemplate.text);
    const std::string first = FormatFrameName(outputTemplate, 0);
    try {
        BinaryFile probe(first, BinaryFile::Mode::Read);
        return std::nullopt;
    } catch (const FileError& error) {
        std::filesystem::path folder = std::filesystem::path(first).parent_path();
        if (folder.empty()) folder = ".";
        std::error_code ignored;
        if (error.systemError() == ENOENT && std::filesystem::is_directory(folder, ignored)) return std::nullopt;
    }
    return FormatText(msg::kCannotOpenFile.text, outputTemplate.c_str());
}

std::vector<std::string> FrameOutputFiles(const std::string& frameName, OutputKind kind)
{
    const std::string yuv = std::filesystem::path(frameName).replace_extension(".yuv").string();
    const std::string extension = std::filesystem::path(frameName).extension().string();
    const bool nameIsYuv = strcasecmp(extension.c_str(), ".yuv") == 0;
    switch (kind) {
    case OutputKind::TgaOnly: return {nameIsYuv ? yuv : frameName};
    case OutputKind::YuvOnly: return {yuv};
    case OutputKind::TgaAndYuv: return nameIsYuv ? std::vector<std::string>{yuv} : std::vector<std::string>{frameName, yuv};
    }
    return {};
}

}  // namespace vistagon
