// The top view on the "Aircraft" tab (Image2): the aircraft as prepared, or after a
// calculation the panel grid, the reference values, the recommended centre of
// gravity and the neutral point, with the marks of the parts' centre of gravity, the
// target and a measured centre of gravity.
#pragma once

#include <QObject>

#include "analysis/workbench.h"
#include "views/view_mapping.h"

class QWidget;

namespace kalvesta {

class ImageControl;
class WindowLanguage;

class TopViewPanel : public QObject {
    Q_OBJECT

public:
    // Makes Image2 on `page`; `mapping` is the views' shared placement. The results
    // are written in the window's language, and again after a switch.
    TopViewPanel(QWidget* page, const Workbench& bench, const WindowLanguage& language,
                 ViewMapping& mapping);

    // The prepared aircraft on a cleared picture.
    void DrawAircraft();
    // The results with their marks; nothing without valid results.
    void DrawResults();
    ImageControl& picture() { return *picture_; }

private:
    const Workbench& bench_;
    const WindowLanguage& language_;
    ViewMapping& mapping_;
    ImageControl* picture_ = nullptr;  // Image2
};

}  // namespace kalvesta
