// One wing tab ("Wing-1", "Wing-2", "Wing-3"): the wing's fourteen input boxes on
// their dimension sketch, its trapezoid-count buttons, and its planform picture with
// the five planform values. Typing into a box or choosing a count changes the
// design; the tab shows the wing as the design and the model hold it, captioned in
// the window's language.
#pragma once

#include <QWidget>
#include <array>

#include "analysis/workbench.h"

class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace kalvesta {

class ImageControl;
class WindowLanguage;

class WingTabPage : public QWidget {
    Q_OBJECT

public:
    // The tab page of `wing` (1..3), TabSheet1..3, added to `tabs`, showing the
    // workbench's design.
    WingTabPage(int wing, Workbench& bench, const WindowLanguage& language, QTabWidget& tabs);

    int wing() const { return wing_; }

    // The tab follows a change: the boxes and the count show the design's wing
    // (a file's design right-aligned in 4 characters, the sketch and the boxes in
    // use following a changed count), and the planform the model's, after a change
    // of this wing or a whole preparation.
    void Follow(const WorkbenchChange& change);
    // The five values and the planform picture as the model holds them.
    void ShowPlanform();
    // The dimension sketch for the count shown, captioned in the window's language.
    void ShowDimensionSketch();

private:
    void Build();
    QRadioButton* trapezoid_button(int trapezoids) const {
        return trapezoid_buttons_[static_cast<size_t>(trapezoids - 1)];
    }
    QLineEdit* box(int index) const { return boxes_[static_cast<size_t>(index)]; }
    // The boxes and the count button as the design has them.
    void ShowInputs(bool from_file);
    // The sketch and the boxes of the trapezoids in use.
    void ShowTrapezoidCount(int trapezoids);
    // The trapezoid-count buttons at their layout places, or wider where their
    // captions need it (in Russian, or at 144 dpi).
    void FitCaptions();
    // The tab's, the buttons' and the values' captions and the sketch in the
    // window's language.
    void ApplyLanguage();

    const int wing_;
    Workbench& bench_;
    const WindowLanguage& language_;
    QTabWidget& tabs_;
    int shown_trapezoids_ = 1;
    QFrame* trapezoid_panel_ = nullptr;  // Panel2 / Panel3 / Panel4
    std::array<QRadioButton*, kMaxTrapezoids> trapezoid_buttons_{};
    std::array<QLineEdit*, kWingBoxCount> boxes_{};
    ImageControl* dimension_sketch_ = nullptr;  // Image_W / Image_W2 / Image_W3
    ImageControl* planform_picture_ = nullptr;  // Image1 / Image11 / Image111
    std::array<QLabel*, 5> value_descriptions_{};
    std::array<QLabel*, 5> value_labels_{};  // b, s, lm, r25, lam
    // The next planform shows a new design's values: the picture's frame, drawn with
    // the pen the previous drawing left, takes the pen the loaded wing's own drawing
    // leaves, as when each box's handler redrew the wing while it was loaded.
    bool loaded_ = false;
};

}  // namespace kalvesta
