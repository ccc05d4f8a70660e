#pragma once

#include <QPushButton>
#include <cstdint>

namespace vistagon::gui {

// An owner-drawn button: its whole rectangle filled and outlined with one colour.
class ColorSwatch : public QPushButton {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    uint32_t colour() const { return colour_; }
    // Repaints only the interior, inset by one pixel.
    void setColour(uint32_t colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    uint32_t colour_ = 0;
};

}  // namespace vistagon::gui
