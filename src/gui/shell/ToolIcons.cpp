#include "ToolIcons.h"

#include "CommandTable.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace vistagon::gui {

namespace {

QIcon Glyph(const QString& text, QColor colour)
{
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(text.size() > 2 ? 14 : text.size() > 1 ? 20 : 28);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, text);
    return QIcon(pixmap);
}

// Small line drawings on a 40 x 40 canvas.
template <class Draw>
QIcon Drawn(Draw draw)
{
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 2.5));
    painter.setBrush(Qt::white);
    draw(painter);
    return QIcon(pixmap);
}

QIcon Standard(QStyle::StandardPixmap pixmap)
{
    return QApplication::style()->standardIcon(pixmap);
}

}  // namespace

QIcon ToolIcons::Of(int commandId)
{
    const QColor dark(40, 40, 40), render(20, 90, 170);
    switch (commandId) {
    case cmd::kNew: return Standard(QStyle::SP_FileIcon);
    case cmd::kOpen: return Standard(QStyle::SP_DialogOpenButton);
    case cmd::kSave: return Standard(QStyle::SP_DialogSaveButton);
    case cmd::kCut: return Glyph(QString::fromUtf8("\u2702"), dark);
    case cmd::kCopy:
        return Drawn([](QPainter& p) {
            p.drawRect(6, 4, 18, 22);
            p.drawRect(16, 14, 18, 22);
        });
    case cmd::kPaste:
        return Drawn([](QPainter& p) {
            p.setBrush(QColor(200, 160, 100));
            p.drawRect(6, 6, 22, 28);
            p.setBrush(Qt::white);
            p.drawRect(12, 3, 10, 6);
            p.drawRect(16, 16, 18, 20);
        });
    case cmd::kPrint:
        return Drawn([](QPainter& p) {
            p.drawRect(11, 4, 18, 12);
            p.setBrush(QColor(180, 180, 180));
            p.drawRect(4, 15, 32, 14);
            p.setBrush(Qt::white);
            p.drawRect(11, 24, 18, 12);
        });
    case cmd::kAbout: return Glyph("?", dark);
    case cmd::kPreview: return Glyph("P", render);
    case cmd::kRaw: return Glyph("R", render);
    case cmd::kFinal: return Glyph("F", render);
    case cmd::kFlightPlan: return Glyph(QString::fromUtf8("\u2197"), render);
    case cmd::kStop: return Glyph(QString::fromUtf8("\u25A0"), QColor(190, 20, 20));
    case cmd::kZoomIn: return Glyph("+", dark);
    case cmd::kZoomOut: return Glyph(QString::fromUtf8("\u2212"), dark);
    case cmd::kZoomOne: return Glyph("1:1", dark);
    default: return {};
    }
}

}  // namespace vistagon::gui
