#include "ColorSwatch.h"

#include "CustomColors.h"

#include <QPainter>

namespace vistagon::gui {

ColorSwatch::ColorSwatch(QWidget* parent) : QPushButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(40, 20);
}

void ColorSwatch::setColour(uint32_t colour)
{
    colour_ = colour;
    update(rect().adjusted(1, 1, -1, -1));
}

void ColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor colour = CustomColors::ToQColor(colour_);
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace vistagon::gui
