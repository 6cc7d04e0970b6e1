// One wing tab ("Wing-1", "Wing-2", "Wing-3"): the wing's fourteen input boxes on
// their dimension sketch, its trapezoid-count buttons, and its planform picture with
// the five planform values. Typing into a box or choosing a count recomputes the
// wing into the model and redraws its planform. Captions and the sketch follow the
// window's language.
#pragma once

#include <QWidget>
#include <array>

#include "model/aircraft.h"
#include "model/planform.h"

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
    // The tab page of `wing` (1..3), TabSheet1..3, added to `tabs`, with its boxes at
    // their defaults.
    WingTabPage(int wing, Aircraft& aircraft, const WindowLanguage& language, QTabWidget& tabs);

    int wing() const { return wing_; }
    // The boxes through the text-to-integer rule.
    WingInputs Inputs() const;
    // The checked trapezoid-count button, 1..4.
    int CheckedTrapezoids() const;
    // Puts a description's boxes and count on the tab without running the
    // handlers: the texts right-aligned in 4 characters, the sketch and the boxes
    // in use following a changed count. The planform is left to the next
    // computation, whose picture gets the frame a redrawing of the loaded wing
    // gives.
    void ShowInputs(const WingInputs& inputs, int trapezoids);

    // The wing's planform computation: its boxes and count into the model, then
    // its values and picture shown.
    void ComputePlanform();
    // The five values and the planform picture as the model holds them.
    void ShowPlanform();
    // The dimension sketch for the checked count, captioned in the window's language.
    void ShowDimensionSketch();

signals:
    // A box or the trapezoid count changed, and the wing was computed anew.
    void InputsChanged();

private:
    void Build();
    QRadioButton* trapezoid_button(int trapezoids) const {
        return trapezoid_buttons_[static_cast<size_t>(trapezoids - 1)];
    }
    QLineEdit* box(int index) const { return boxes_[static_cast<size_t>(index)]; }
    // A trapezoid-count button was chosen: the sketch, the boxes of the trapezoids
    // in use, and the planform.
    void OnTrapezoidCountChosen(int trapezoids);
    // The sketch and the boxes of the trapezoids in use.
    void ShowTrapezoidCount(int trapezoids);
    // The trapezoid-count buttons at their layout places, or wider where their
    // captions need it (in Russian, or at 144 dpi).
    void FitCaptions();
    // The tab's, the buttons' and the values' captions and the sketch in the
    // window's language.
    void ApplyLanguage();

    const int wing_;
    Aircraft& aircraft_;
    const WindowLanguage& language_;
    QTabWidget& tabs_;
    QFrame* trapezoid_panel_ = nullptr;  // Panel2 / Panel3 / Panel4
    std::array<QRadioButton*, kMaxTrapezoids> trapezoid_buttons_{};
    std::array<QLineEdit*, kWingBoxCount> boxes_{};
    ImageControl* dimension_sketch_ = nullptr;  // Image_W / Image_W2 / Image_W3
    ImageControl* planform_picture_ = nullptr;  // Image1 / Image11 / Image111
    std::array<QLabel*, 5> value_descriptions_{};
    std::array<QLabel*, 5> value_labels_{};  // b, s, lm, r25, lam
    // The next planform shows loaded values: the picture's frame, drawn with the
    // pen the previous drawing left, takes the pen the loaded wing's own drawing
    // leaves, as when each box's handler redrew the wing while it was loaded.
    bool loaded_ = false;
};

}  // namespace kalvesta
