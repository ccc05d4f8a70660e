#pragma once

#include <QByteArray>

namespace vistagon::guitest {

// An uncompressed 24-bit TGA file of one gray, as a test writes it beside a scene.
inline QByteArray GrayTgaBytes(int width, int height, unsigned char gray)
{
    QByteArray bytes(18, '\0');
    bytes[2] = 2;
    bytes[12] = static_cast<char>(width & 0xFF);
    bytes[13] = static_cast<char>(width >> 8);
    bytes[14] = static_cast<char>(height & 0xFF);
    bytes[15] = static_cast<char>(height >> 8);
    bytes[16] = 24;
    return bytes + QByteArray(width * height * 3, static_cast<char>(gray));
}

}  // namespace vistagon::guitest
