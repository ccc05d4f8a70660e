#pragma once

namespace vistagon {

// Which files a save writes: the scene's "AusgabeTGA"/"AusgabeYUV" choice and the
// image document's output mode share these values.
enum class OutputKind { TgaOnly = 0, YuvOnly = 1, TgaAndYuv = 2 };

}  // namespace vistagon
