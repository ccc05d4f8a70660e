#pragma once

namespace vistagon::gui::text {

// The document framework's question before a changed image closes.
inline constexpr const char* kSaveChanges = "Save changes to %s?";
inline constexpr const char* kUntitled = "untitled";

}  // namespace vistagon::gui::text
