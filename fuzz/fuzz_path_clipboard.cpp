// The flight path clipboard text: whatever Paste reads, and the round trip of
// the points it read (format, parse again: the same points).
#include "scene/PathClipboardText.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vistagon;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto points = ParsePathClipboardText(text);
    if (points.has_value() != IsPathClipboardText(text)) std::abort();
    if (!points) return 0;
    const std::string copied = FormatPathClipboardText(*points);
    const auto again = ParsePathClipboardText(copied);
    if (!again || *again != *points) std::abort();
    if (FormatPathClipboardText(*again) != copied) std::abort();
    return 0;
}
