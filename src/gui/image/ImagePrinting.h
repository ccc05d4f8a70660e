#pragma once

class QPagedPaintDevice;

namespace vistagon {
class CTGAFile;
}

namespace vistagon::gui {

// One page: the image stretched to the full printable width, its height in
// proportion with the device's resolutions so that the pixels are square on
// paper. Nothing is printed for a document without a raster.
void PrintImage(QPagedPaintDevice& device, const CTGAFile& document);

}  // namespace vistagon::gui
