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

// The printed size: the page width, and height x page width x dpiY / (width x dpiX).
long long PrintedHeight(long long pageWidth, int dpiX, int dpiY, int width, int height);

}  // namespace vistagon::gui
