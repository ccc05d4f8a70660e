#pragma once

#include "flight/FramePicture.h"

#include <QImage>
#include <QRect>

namespace vistagon {
class CTGAFile;
}

namespace vistagon::gui {

// Turns the bottom-up raster of a document into upright pictures for the
// screen, the printer and the clipboard.
class RasterPainter {
public:
    // The part target of the document's canvas drawn at scaleX, scaleY (screen
    // pixels per canvas pixel); the canvas is the picture with border pixels of
    // white on every side. Only the target's pixels are made, each from the
    // canvas pixel it falls on, so a huge image costs no more than its window.
    static QImage Part(const CTGAFile& document, const QRect& target, double scaleX, double scaleY, int border = 0);
    // The whole picture, pixel for pixel.
    static QImage Whole(const CTGAFile& document);
    // A render job's frame picture, upright.
    static QImage Rows(const FramePicture& picture);
    // Replaces the document's raster by a 24-bit copy of picture; false when
    // the picture is empty or the image could not be made (said so).
    static bool Adopt(CTGAFile& document, const QImage& picture);
};

}  // namespace vistagon::gui
