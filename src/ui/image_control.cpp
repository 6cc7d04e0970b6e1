// Image control: paints its picture in paintEvent and forwards the mouse.
#include "ui/image_control.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "qtcanvas/picture_memory.h"

namespace kalvesta {

ImageControl::ImageControl(const QString& name, QRect geometry, QWidget* parent)
    : QWidget(parent), picture_size_(geometry.size()), canvas_(image_) {
    setObjectName(name);
    setGeometry(geometry);
}

void ImageControl::MakePicture() const {
    if (image_.isNull()) {
        image_ = MakeWhitePicture(picture_size_);
    }
}

void ImageControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // At a device pixel ratio that is no whole number (144 dpi: 1.5) the picture is
    // scaled smoothly rather than doubling every other pixel row.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          std::fmod(devicePixelRatioF(), 1.0) != 0.0);
    if (image_.isNull()) {
        painter.fillRect(rect(), Qt::white);
    } else {
        painter.drawImage(rect(), image_);
    }
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(event->button(), at.x(), at.y());
}

void ImageControl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseMove(event->buttons(), at.x(), at.y());
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseUp(event->button(), at.x(), at.y());
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
    emit DoubleClicked();
}

// A notch is 120 eighths of a degree; a touchpad's smaller steps add up.
void ImageControl::wheelEvent(QWheelEvent* event) {
    wheel_eighths_ += event->angleDelta().y();
    const int notches = wheel_eighths_ / 120;
    wheel_eighths_ -= notches * 120;
    if (notches != 0) {
        emit Wheel(notches);
    }
    event->accept();
}

}  // namespace kalvesta
