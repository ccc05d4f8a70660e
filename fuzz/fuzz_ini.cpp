// INI text as scene scripts and the profile hold it. The input is the text,
// then, after NUL bytes, a section, a key and a value to look up and set:
// the text written back reads as the same values, and a value set is read back.
#include "FuzzSupport.h"
#include "platform/IniFile.h"
#include "platform/Profile.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace {

// The parts of the input after the text, empty where the input ends first.
std::array<std::string_view, 4> SplitAtNul(std::string_view input)
{
    std::array<std::string_view, 4> parts;
    for (size_t k = 0; k < parts.size(); ++k) {
        const size_t nul = k + 1 < parts.size() ? input.find('\0') : std::string_view::npos;
        parts[k] = input.substr(0, nul);
        input = nul == std::string_view::npos ? std::string_view() : input.substr(nul + 1);
    }
    return parts;
}

bool Blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A name or value that a line of its own keeps as it is: no line end, no blank
// at either end; a section without ']', a key without '=' that is no section line.
bool Storable(std::string_view text, bool mayBeEmpty)
{
    if (text.empty()) return mayBeEmpty;
    if (Blank(text.front()) || Blank(text.back())) return false;
    return text.find_first_of("\r\n") == std::string_view::npos;
}

bool StorableSection(std::string_view name)
{
    return Storable(name, false) && name.find(']') == std::string_view::npos;
}

bool StorableKey(std::string_view key)
{
    return Storable(key, false) && key.find('=') == std::string_view::npos && key.front() != '[';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistagon;
    const auto [text, section, key, value] = SplitAtNul(std::string_view(reinterpret_cast<const char*>(data), size));

    IniDocument document(text);
    const std::string written = document.Text();
    // Written back, the text reads as the same values. (Not always as the same
    // text: of the CRs before a line end, each reading takes one as the line
    // end; the rest are blanks, which values and names shed.)
    if (IniDocument(written).Get(section, key) != document.Get(section, key)) std::abort();

    // The profile reads the same text from its file.
    static const fuzz::FuzzFolder folder;
    const std::string path = folder.Write("profile.ini", data, text.size());
    const Profile profile(path);
    const auto found = document.Get(section, key);
    if (profile.GetString(section, key, "\x01") != (found ? *found : "\x01")) std::abort();
    (void)profile.GetInt(section, key, 0);

    if (!StorableSection(section) || !StorableKey(key) || !Storable(value, true)) return 0;
    document.Set(section, key, value);
    if (document.Get(section, key) != value || IniDocument(document.Text()).Get(section, key) != value) std::abort();
    return 0;
}
