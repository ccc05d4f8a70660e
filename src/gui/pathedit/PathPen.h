#pragma once

#include "platform/Profile.h"

#include <QPen>

namespace vistagon::gui {

// The curve's pen from "FlightPath"/"Width" and "Color", read each time the
// curve is drawn: a colour value 0x00BBGGRR as hexadecimal text, 0xC000C0 when
// it is absent, does not parse or is -1.
QPen PathPen(const Profile& profile);

inline constexpr unsigned kDefaultPathColour = 0xC000C0;

}  // namespace vistagon::gui
