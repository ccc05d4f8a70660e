#include "tools/RectifyCorners.h"

#include "platform/NumberParsing.h"

#include <string>

namespace vistagon {

namespace {

constexpr const char* kSection = "RectifyCorners";

std::string Key(char axis, size_t corner, bool source)
{
    std::string key{axis, static_cast<char>('1' + corner)};
    if (source) key += '\'';
    return key;
}

double ReadValue(const Profile& profile, const std::string& key)
{
    return ScanDouble(profile.GetString(kSection, key, "0.0")).value_or(0.0);
}

}  // namespace

RectifyCorners RectifyCorners::Load(const Profile& profile)
{
    RectifyCorners corners;
    for (size_t k = 0; k < 4; ++k) {
        corners.output[k] = {ReadValue(profile, Key('x', k, false)), ReadValue(profile, Key('y', k, false))};
        corners.source[k] = {ReadValue(profile, Key('x', k, true)), ReadValue(profile, Key('y', k, true))};
    }
    return corners;
}

void RectifyCorners::Store(const Profile& profile) const
{
    for (size_t k = 0; k < 4; ++k) {
        profile.WriteString(kSection, Key('x', k, false), FormatFixed(output[k].x));
        profile.WriteString(kSection, Key('y', k, false), FormatFixed(output[k].y));
        profile.WriteString(kSection, Key('x', k, true), FormatFixed(source[k].x));
        profile.WriteString(kSection, Key('y', k, true), FormatFixed(source[k].y));
    }
}

}  // namespace vistagon
