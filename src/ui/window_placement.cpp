// Placing secondary windows on the screen.
#include "ui/window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kalvesta {
namespace {

// Room for a title bar and borders around a window's client area.
constexpr int kFrameSide = 8;
constexpr int kFrameTop = 40;

}  // namespace

void KeepOnScreen(QWidget& window) {
    const QRect room = window.screen()->availableGeometry().adjusted(kFrameSide, kFrameTop,
                                                                     -kFrameSide, -kFrameSide);
    window.resize(std::min(window.width(), room.width()), std::min(window.height(), room.height()));
    const int x = std::clamp(window.x(), room.left(), room.right() + 1 - window.width());
    const int y = std::clamp(window.y(), room.top(), room.bottom() + 1 - window.height());
    window.move(x, y);
}

void PlaceBeside(QWidget& window, const QWidget& main) {
    const QRect room = main.screen()->availableGeometry();
    const QRect beside = main.frameGeometry();
    const int right = beside.right() + 1 + kFrameSide;
    const int left = beside.left() - kFrameSide - window.width();
    int x = beside.left();
    if (right + window.width() <= room.right() + 1) {
        x = right;
    } else if (left >= room.left()) {
        x = left;
    }
    window.move(x, beside.top() + kFrameTop);
    KeepOnScreen(window);
}

}  // namespace kalvesta
