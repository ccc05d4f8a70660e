#include "CAboutDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#ifndef VISTAGON_VERSION
#define VISTAGON_VERSION "0.1"
#endif

namespace vistagon::gui {

// A ridge under a sun that climbs and sets again, one of twelve pictures per tick.
class CAboutDialog::Logo : public QWidget {
public:
    explicit Logo(const int& frame, QWidget* parent) : QWidget(parent), frame_(frame) { setFixedSize(96, 64); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), QColor(120, 170, 230));
        const double phase = (frame_ % 12) / 12.0 * 2.0 * M_PI;
        p.setBrush(QColor(250, 220, 80));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(20 + 56 * (frame_ % 12) / 11.0, 34 - 18 * std::sin(phase / 2)), 8, 8);
        QPainterPath ridge;
        ridge.moveTo(0, 64);
        const double heights[] = {44, 30, 38, 18, 34, 26, 40};
        for (int i = 0; i < 7; ++i) ridge.lineTo(i * 16, heights[i]);
        ridge.lineTo(96, 64);
        p.setBrush(QColor(70, 110, 60));
        p.drawPath(ridge);
        p.setPen(QPen(QColor(255, 255, 255, 140), 1));
        for (int y = 46; y < 64; y += 6) p.drawLine(0, y, 96, y);
    }

private:
    const int& frame_;
};

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent), timer_(new QTimer(this))
{
    setWindowTitle("About Vistagon");
    auto* logo = new Logo(frame_, this);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(logo);
    auto* text = new QLabel(VersionLine() + "\nTerrain fly-through renderer", this);
    top->addWidget(text);
    layout->addLayout(top);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    connect(timer_, &QTimer::timeout, this, [this, logo] {
        ++frame_;
        logo->update();
    });
    timer_->start(120);
}

QString CAboutDialog::VersionLine()
{
    return QString("VISTAGON Version %1").arg(VISTAGON_VERSION);
}

}  // namespace vistagon::gui
