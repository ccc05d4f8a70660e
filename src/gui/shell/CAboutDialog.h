#pragma once

#include <QDialog>

class QTimer;

namespace vistagon::gui {

// The About box: the version line and the logo, animated on a timer.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);

    static QString VersionLine();
    int frame() const { return frame_; }

private:
    class Logo;
    QTimer* timer_;
    int frame_ = 0;
};

}  // namespace vistagon::gui
