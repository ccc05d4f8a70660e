#include "PathPen.h"

#include "platform/NumberParsing.h"

namespace vistagon::gui {

QPen PathPen(const Profile& profile)
{
    const std::optional<uint32_t> read = ScanHex(profile.GetString("FlightPath", "Color", ""));
    const uint32_t colour = read && *read != 0xFFFFFFFFu ? *read : kDefaultPathColour;
    QPen pen(QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                    static_cast<int>((colour >> 16) & 0xFF)));
    // Width 0 is the one-pixel cosmetic line.
    pen.setWidth(std::max(0, profile.GetInt("FlightPath", "Width", 0)));
    return pen;
}

}  // namespace vistagon::gui
