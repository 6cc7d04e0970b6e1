// Scroll-bar state and mouse-drag arithmetic of the three-dimensional view.
#include "views/view3d_controls.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/check.h"

namespace kalvesta {

ScrollBarPosition::ScrollBarPosition(int min, int max, int position)
    : min_(min), max_(max), position_(position) {
    KALVESTA_CHECK(min <= position && position <= max);
}

bool ScrollBarPosition::Set(long long position) {
    const auto clamped = static_cast<int>(std::clamp<long long>(position, min_, max_));
    if (clamped == position_) {
        return false;
    }
    position_ = clamped;
    return true;
}

double ZoomedView3DScale(int zoom_position, double top_view_scale) {
    const double scale = (100 - zoom_position) * top_view_scale * 0.04;
    return std::isfinite(scale) && scale > 0.0 ? scale : 0.0001;
}

bool View3DControls::SetScrollBar4(long long position, ViewMapping& mapping) {
    if (!scroll_bar4_.Set(position)) {
        return false;
    }
    mapping.view3d_scale = ZoomedView3DScale(scroll_bar4_.Position(), mapping.top_view_scale);
    return true;
}

void View3DControls::MouseDown(int x, int y) {
    drag_last_x_ = x;
    drag_last_y_ = y;
    drag_released_ = false;
}

void View3DControls::MouseUp(int x, int y) {
    drag_last_x_ = x;
    drag_last_y_ = y;
    drag_released_ = true;
}

bool View3DControls::MouseMove(bool left_held, bool right_held, int x, int y,
                               ViewMapping& mapping) {
    if (drag_released_) {
        return false;
    }
    // One step per 3 pixels, truncated toward zero.
    auto up_steps = [&] { return (int64_t{drag_last_y_} - y) / 3; };
    auto right_steps = [&] { return (int64_t{x} - drag_last_x_) / 3; };
    bool redraw = false;
    if (left_held) {
        redraw |= SetScrollBar1(scroll_bar1_.Position() + up_steps());
        redraw |= SetScrollBar2(scroll_bar2_.Position() + right_steps());
        drag_last_x_ = x;
        drag_last_y_ = y;
    }
    if (right_held) {
        redraw |= SetScrollBar4(scroll_bar4_.Position() + up_steps(), mapping);
        redraw |= SetScrollBar2(scroll_bar2_.Position() + right_steps());
        drag_last_x_ = x;
        drag_last_y_ = y;
    }
    return redraw;
}

}  // namespace kalvesta
