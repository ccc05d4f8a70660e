#include "image/PamDocument.h"

#include "platform/NumberParsing.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace vistagon {

namespace {

std::string EscapeXml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// The character a numeric reference names, as UTF-8; false for a malformed one.
bool AppendCharacterReference(std::string_view digits, std::string& out)
{
    int base = 10;
    if (!digits.empty() && (digits.front() == 'x' || digits.front() == 'X')) {
        base = 16;
        digits.remove_prefix(1);
    }
    uint32_t code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, base);
    if (error != std::errc() || end != digits.data() + digits.size() || code == 0 || code > 0x10FFFF) return false;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return true;
}

std::string UnescapeXml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const size_t amp = text.find('&');
        out += text.substr(0, amp);
        if (amp == std::string_view::npos) break;
        text.remove_prefix(amp);
        const size_t semicolon = text.find(';');
        const std::string_view name = semicolon == std::string_view::npos ? std::string_view{} : text.substr(1, semicolon - 1);
        if (name == "amp") out += '&';
        else if (name == "lt") out += '<';
        else if (name == "gt") out += '>';
        else if (name == "quot") out += '"';
        else if (name == "apos") out += '\'';
        else if (name.empty() || name.front() != '#' || !AppendCharacterReference(name.substr(1), out)) {
            out += '&';  // not an entity: kept as it stands
            text.remove_prefix(1);
            continue;
        }
        text.remove_prefix(semicolon + 1);
    }
    return out;
}

std::string_view Trim(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\n";
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// An element of the document: its attribute text and its content.
struct Element {
    std::string_view attributes;
    std::string_view content;
};

std::optional<Element> FindElement(std::string_view text, std::string_view name)
{
    const std::string open = "<" + std::string(name);
    for (size_t at = text.find(open); at != std::string_view::npos; at = text.find(open, at + 1)) {
        const size_t after = at + open.size();
        if (after >= text.size()) return std::nullopt;
        const char next = text[after];
        if (next != '>' && next != '/' && next != ' ' && next != '\t' && next != '\r' && next != '\n') continue;
        const size_t close = text.find('>', after);
        if (close == std::string_view::npos) return std::nullopt;
        Element element;
        element.attributes = text.substr(after, close - after);
        if (text[close - 1] == '/') return element;  // empty element
        const size_t end = text.find("</" + std::string(name), close + 1);
        if (end == std::string_view::npos) return std::nullopt;
        element.content = text.substr(close + 1, end - close - 1);
        return element;
    }
    return std::nullopt;
}

std::string AttributeValue(std::string_view attributes, std::string_view name)
{
    const size_t at = attributes.find(name);
    if (at == std::string_view::npos) return {};
    const size_t quote = attributes.find_first_of("\"'", at + name.size());
    if (quote == std::string_view::npos) return {};
    const size_t end = attributes.find(attributes[quote], quote + 1);
    if (end == std::string_view::npos) return {};
    return UnescapeXml(attributes.substr(quote + 1, end - quote - 1));
}

std::optional<std::array<double, 6>> ParseTransform(std::string_view text)
{
    std::array<double, 6> values{};
    for (size_t i = 0; i < values.size(); ++i) {
        const size_t comma = text.find(',');
        if ((comma == std::string_view::npos) != (i + 1 == values.size())) return std::nullopt;
        const std::string_view number = Trim(text.substr(0, comma));
        // from_chars takes no leading plus, which "%+e" style writers may give.
        const std::string_view digits = !number.empty() && number.front() == '+' ? number.substr(1) : number;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), values[i]);
        if (error != std::errc() || end != digits.data() + digits.size() || digits.empty() || !std::isfinite(values[i]))
            return std::nullopt;
        if (comma != std::string_view::npos) text.remove_prefix(comma + 1);
    }
    return values;
}

}  // namespace

std::string PamText(const Georeference& georeference)
{
    std::string text = "<PAMDataset>\n";
    if (!georeference.wkt.empty()) {
        text += "  <SRS";
        if (!georeference.axisMapping.empty())
            text += " dataAxisToSRSAxisMapping=\"" + EscapeXml(georeference.axisMapping) + "\"";
        text += ">" + EscapeXml(georeference.wkt) + "</SRS>\n";
    }
    text += "  <GeoTransform>";
    for (size_t i = 0; i < georeference.transform.size(); ++i)
        text += (i == 0 ? " " : ", ") + FormatShortest(georeference.transform[i]);
    text += "</GeoTransform>\n</PAMDataset>\n";
    return text;
}

std::optional<Georeference> ParsePam(std::string_view text)
{
    const std::optional<Element> dataset = FindElement(text, "PAMDataset");
    if (!dataset) return std::nullopt;
    const std::optional<Element> transform = FindElement(dataset->content, "GeoTransform");
    if (!transform) return std::nullopt;
    const auto values = ParseTransform(UnescapeXml(transform->content));
    if (!values) return std::nullopt;
    Georeference georeference;
    georeference.transform = *values;
    if (const std::optional<Element> srs = FindElement(dataset->content, "SRS")) {
        georeference.wkt = UnescapeXml(Trim(srs->content));
        georeference.axisMapping = AttributeValue(srs->attributes, "dataAxisToSRSAxisMapping");
    }
    return georeference;
}

}  // namespace vistagon
