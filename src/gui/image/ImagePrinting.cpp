#include "ImagePrinting.h"

#include "RasterPainter.h"
#include "image/CTGAFile.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace vistagon::gui {

long long PrintedHeight(long long pageWidth, int dpiX, int dpiY, int width, int height)
{
    if (width <= 0 || dpiX <= 0) return 0;
    return static_cast<long long>(height) * pageWidth * dpiY / (static_cast<long long>(width) * dpiX);
}

void PrintImage(QPagedPaintDevice& device, const CTGAFile& document)
{
    QPainter painter(&device);
    const int width = document.GetWidth();
    const int height = document.GetHeight();
    if (!painter.isActive() || width <= 0 || height <= 0) return;
    const long long pageWidth = device.width();
    const long long printed = PrintedHeight(pageWidth, device.logicalDpiX(), device.logicalDpiY(), width, height);
    // What falls below the page is not printed, so it is not made either.
    const int visible = static_cast<int>(std::min<long long>(printed, device.height()));
    if (pageWidth <= 0 || visible <= 0) return;
    const QRect target(0, 0, static_cast<int>(pageWidth), visible);
    painter.drawImage(0, 0,
                      RasterPainter::Part(document, target, static_cast<double>(pageWidth) / width,
                                          static_cast<double>(printed) / height));
}

}  // namespace vistagon::gui
