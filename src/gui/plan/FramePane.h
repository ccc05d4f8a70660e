#pragma once

#include <QImage>
#include <QWidget>

namespace vistagon::gui {

// A rendered frame, fitted into the pane.
class FramePane : public QWidget {
    Q_OBJECT
public:
    explicit FramePane(QWidget* parent = nullptr);

    void Show(const QImage& picture);
    const QImage& picture() const { return picture_; }
    QSize sizeHint() const override { return QSize(400, 300); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace vistagon::gui
