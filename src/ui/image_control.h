// An image control: a widget that shows a persistent picture, offers the core
// Canvas to draw on it, and reports mouse presses, moves, releases, double clicks
// and the wheel.
#pragma once

#include <QImage>
#include <QWidget>

#include "qtcanvas/qt_canvas.h"

namespace kalvesta {

class ImageControl : public QWidget {
    Q_OBJECT

public:
    ImageControl(const QString& name, QRect geometry, QWidget* parent);

    // The picture's canvas; call Refresh() after drawing so the change shows.
    Canvas& canvas() {
        MakePicture();
        return canvas_;
    }
    const QImage& image() const {
        MakePicture();
        return image_;
    }
    void Refresh() { update(); }

signals:
    void MouseDown(Qt::MouseButton button, int x, int y);
    void MouseMove(Qt::MouseButtons buttons, int x, int y);
    void MouseUp(Qt::MouseButton button, int x, int y);
    // The wheel turned by `notches` (positive away from the user).
    void Wheel(int notches);
    void DoubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // The white picture is made when it is first drawn on or read: a control
    // nobody draws on (the printed page until "Print") takes no memory.
    void MakePicture() const;

    QSize picture_size_;
    int wheel_eighths_ = 0;
    mutable QImage image_;
    QtCanvas canvas_;
};

}  // namespace kalvesta
