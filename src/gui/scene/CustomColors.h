#pragma once

#include "platform/Profile.h"

#include <QColor>
#include <array>
#include <cstdint>
#include <optional>

class QWidget;

namespace vistagon::gui {

// The colour chooser's 16 custom colours, kept in "Colors"/"BGr00".."BGr15"
// and shared by the scene form and the Options dialog.
class CustomColors {
public:
    static constexpr int kCount = 16;

    // A value that is absent, does not parse or is -1 gives the gray 255 - 16 * i.
    static std::array<uint32_t, kCount> Read(const Profile& profile);
    static void Write(const Profile& profile, const std::array<uint32_t, kCount>& colours);

    // Shows the colour dialog on initial with the profile's custom colours;
    // the custom colours are written back and the chosen colour returned on OK.
    static std::optional<uint32_t> Choose(QWidget* parent, const Profile& profile, uint32_t initial);

    // Platform colour values are 0x00BBGGRR.
    static QColor ToQColor(uint32_t value);
    static uint32_t FromQColor(const QColor& colour);
};

}  // namespace vistagon::gui
