#include "FramePane.h"

#include <QPainter>

namespace vistagon::gui {

FramePane::FramePane(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(160, 120);
}

void FramePane::Show(const QImage& picture)
{
    picture_ = picture;
    update();
}

void FramePane::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(64, 64, 64));
    if (picture_.isNull()) return;
    const QSizeF size = QSizeF(picture_.size()).scaled(QSizeF(this->size()), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture_);
}

}  // namespace vistagon::gui
