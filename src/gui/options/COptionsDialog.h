#pragma once

#include <QDialog>
#include <cstdint>

class QButtonGroup;
class QLineEdit;

namespace vistagon::gui {

class ColorSwatch;
class Shell;

// "Options": the path colour and widths, the redraw interval, the
// antialiasing width and the partial image, kept in the profile.
class COptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit COptionsDialog(Shell& shell);

    QLineEdit* lineWidthEdit() const { return width_; }
    QLineEdit* borderWidthEdit() const { return border_; }
    QLineEdit* redrawEdit() const { return redraw_; }
    QLineEdit* antialiasingEdit() const { return antialiasing_; }
    QButtonGroup* quarterGroup() const { return quarter_; }
    uint32_t pathColour() const { return colour_; }

    void accept() override;

private:
    void BrowseColour();
    QLineEdit* Edit(int value);

    Shell& shell_;
    uint32_t colour_ = 0;
    ColorSwatch* swatch_;
    QLineEdit* width_;
    QLineEdit* border_;
    QLineEdit* redraw_;
    QLineEdit* antialiasing_;
    QButtonGroup* quarter_;
};

}  // namespace vistagon::gui
