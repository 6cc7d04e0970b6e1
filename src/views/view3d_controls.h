// The controls that turn and zoom the three-dimensional view: the elevation and
// azimuth scroll bars beside the picture, the hidden zoom scroll bar, and the mouse
// drag on the picture (left button turns, right button zooms). The window forwards
// its events here and redraws the view (DrawView3D) whenever a method returns true.
#pragma once

#include "views/view_mapping.h"

namespace kalvesta {

// A scroll bar's range and position. Setting the position clamps it to the range
// and reports whether it actually changed, which is when the bar's change handler runs.
class ScrollBarPosition {
public:
    ScrollBarPosition(int min, int max, int position);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Clamps `position` to [min, max]; true when the position changed.
    bool Set(long long position);

private:
    int min_;
    int max_;
    int position_;
};

class View3DControls {
public:
    // ScrollBar1, elevation = 90 − position degrees.
    const ScrollBarPosition& ScrollBar1() const { return scroll_bar1_; }
    // ScrollBar2, azimuth = 360 − position degrees.
    const ScrollBarPosition& ScrollBar2() const { return scroll_bar2_; }
    // ScrollBar4 (never visible), zoom factor (100 − position) × 0.04.
    const ScrollBarPosition& ScrollBar4() const { return scroll_bar4_; }

    // The elevation and azimuth bars moved (by the user or by a drag): true when the
    // position changed and the view must be redrawn.
    bool SetScrollBar1(long long position) { return scroll_bar1_.Set(position); }
    bool SetScrollBar2(long long position) { return scroll_bar2_.Set(position); }
    // The zoom bar: when its position changes, sets the 3-D scale from the top
    // view's (ScrollBar4Change) and returns true.
    bool SetScrollBar4(long long position, ViewMapping& mapping);

    // Image3MouseDown: any button starts a drag at (x, y).
    void MouseDown(int x, int y);
    // Image3MouseUp: ends the drag.
    void MouseUp(int x, int y);
    // Image3MouseMove with the buttons held: while a drag that began on the picture
    // lasts, every 3 pixels up turn the view flatter (left button) or smaller (right
    // button) by one step, every 3 pixels right decrease the azimuth by one degree.
    // The position is stored at every move, so moves under 3 pixels change nothing.
    // True when the view must be redrawn.
    bool MouseMove(bool left_held, bool right_held, int x, int y, ViewMapping& mapping);

    bool DragReleased() const { return drag_released_; }

private:
    ScrollBarPosition scroll_bar1_{0, 90, 80};
    ScrollBarPosition scroll_bar2_{0, 360, 250};
    ScrollBarPosition scroll_bar4_{10, 97, 75};
    bool drag_released_ = true;
    int drag_last_x_ = 0;
    int drag_last_y_ = 0;
};

// ScrollBar4Change's scale: (100 − zoom position) × top_view_scale × 0.04, or
// 0.0001 when that is not a positive finite number.
double ZoomedView3DScale(int zoom_position, double top_view_scale);

}  // namespace kalvesta
