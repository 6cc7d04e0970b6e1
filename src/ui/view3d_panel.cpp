// The three-dimensional view's picture and controls.
#include "ui/view3d_panel.h"

#include <QScrollBar>

#include "ui/image_control.h"
#include "ui/window_language.h"
#include "ui/window_layout.h"
#include "views/view3d.h"

namespace kalvesta {

View3DPanel::View3DPanel(QWidget* page, const Workbench& bench, const WindowLanguage& language,
                         ViewMapping& mapping)
    : QObject(page), bench_(bench), mapping_(mapping) {
    picture_ = new ImageControl("Image3", QRect(200, 322, 616, 191), page);
    picture_->setToolTip(language.Text(TextId::kView3dHint));
    connect(&language, &WindowLanguage::Changed, this,
            [this, &language] { picture_->setToolTip(language.Text(TextId::kView3dHint)); });
    elevation_bar_ =
        MakeScrollBar(page, "ScrollBar1", Qt::Vertical, QRect(185, 344, 13, 185), 0, 90, 80);
    azimuth_bar_ =
        MakeScrollBar(page, "ScrollBar2", Qt::Horizontal, QRect(202, 514, 615, 16), 0, 360, 250);
    zoom_bar_ =
        MakeScrollBar(page, "ScrollBar4", Qt::Vertical, QRect(158, 304, 16, 145), 10, 97, 75);
    zoom_bar_->hide();
    Connect();
}

void View3DPanel::Connect() {
    connect(elevation_bar_, &QScrollBar::valueChanged, this, [this](int position) {
        if (controls_.SetScrollBar1(position)) {
            Redraw();
        }
    });
    connect(azimuth_bar_, &QScrollBar::valueChanged, this, [this](int position) {
        if (controls_.SetScrollBar2(position)) {
            Redraw();
        }
    });
    connect(zoom_bar_, &QScrollBar::valueChanged, this, [this](int position) {
        if (controls_.SetScrollBar4(position, mapping_)) {
            Redraw();
        }
    });
    // The wheel zooms by three steps of the zoom bar a notch; a double click fits the
    // turned aircraft into the picture.
    connect(picture_, &ImageControl::Wheel, this,
            [this](int notches) { Zoom(controls_.ScrollBar4().Position() - 3LL * notches); });
    connect(picture_, &ImageControl::DoubleClicked, this, [this] {
        Zoom(FitZoomPosition(bench_.aircraft(), SelectionOf(bench_.design().inputs()), controls_,
                             mapping_.top_view_scale, picture_->width(), picture_->height()));
    });
    connect(picture_, &ImageControl::MouseDown, this,
            [this](Qt::MouseButton, int x, int y) { controls_.MouseDown(x, y); });
    connect(picture_, &ImageControl::MouseUp, this,
            [this](Qt::MouseButton, int x, int y) { controls_.MouseUp(x, y); });
    connect(picture_, &ImageControl::MouseMove, this,
            [this](Qt::MouseButtons buttons, int x, int y) {
                if (controls_.MouseMove(buttons & Qt::LeftButton, buttons & Qt::RightButton, x, y,
                                        mapping_)) {
                    // The drag moved the bars: show their new positions without running
                    // their handlers a second time.
                    const QSignalBlocker block_elevation(elevation_bar_);
                    const QSignalBlocker block_azimuth(azimuth_bar_);
                    const QSignalBlocker block_zoom(zoom_bar_);
                    elevation_bar_->setValue(controls_.ScrollBar1().Position());
                    azimuth_bar_->setValue(controls_.ScrollBar2().Position());
                    zoom_bar_->setValue(controls_.ScrollBar4().Position());
                    Redraw();
                }
            });
}

void View3DPanel::Zoom(long long position) {
    if (controls_.SetScrollBar4(position, mapping_)) {
        const QSignalBlocker block_zoom(zoom_bar_);
        zoom_bar_->setValue(controls_.ScrollBar4().Position());
        Redraw();
    }
}

void View3DPanel::Redraw() {
    DrawView3D(picture_->canvas(), bench_.aircraft(), SelectionOf(bench_.design().inputs()),
               controls_, mapping_);
    picture_->Refresh();
}

}  // namespace kalvesta
