// The three-dimensional view on the "Aircraft" tab with what turns and zooms it:
// the elevation and azimuth scroll bars beside the picture, the hidden zoom bar,
// the mouse dragged over the picture, its wheel, and a double click that fits the
// aircraft into the picture.
#pragma once

#include <QObject>

#include "analysis/workbench.h"
#include "views/view3d_controls.h"
#include "views/view_mapping.h"

class QScrollBar;
class QWidget;

namespace kalvesta {

class ImageControl;
class WindowLanguage;

class View3DPanel : public QObject {
    Q_OBJECT

public:
    // Makes the picture (Image3) and its bars (ScrollBar1, ScrollBar2, ScrollBar4)
    // on `page`, the picture's tip on how to turn, zoom and fit it in the window's
    // language.
    View3DPanel(QWidget* page, const Workbench& bench, const WindowLanguage& language,
                ViewMapping& mapping);

    // Redraws the view from the model with the current bars.
    void Redraw();
    ImageControl& picture() { return *picture_; }

private:
    void Connect();
    // The zoom bar at `position` (clamped), and the view redrawn when it moved.
    void Zoom(long long position);

    const Workbench& bench_;
    ViewMapping& mapping_;
    View3DControls controls_;
    ImageControl* picture_ = nullptr;      // Image3
    QScrollBar* elevation_bar_ = nullptr;  // ScrollBar1
    QScrollBar* azimuth_bar_ = nullptr;    // ScrollBar2
    QScrollBar* zoom_bar_ = nullptr;       // ScrollBar4, never shown
};

}  // namespace kalvesta
