// The units the window shows and takes lengths and masses in: millimetres or
// inches, grams or ounces, chosen in the "Options" menu and kept in the user's
// settings (not in the design, which holds whole millimetres and grams).
#pragma once

#include <QObject>

#include "model/display_units.h"

namespace kalvesta {

class UnitChoice : public QObject {
    Q_OBJECT

public:
    // The units the settings hold, millimetres and grams where they hold none.
    explicit UnitChoice(QObject* parent);

    LengthUnit length() const { return length_; }
    MassUnit mass() const { return mass_; }

    // Kept in the settings; Changed when the unit is another.
    void Choose(LengthUnit unit);
    void Choose(MassUnit unit);

signals:
    void Changed();

private:
    LengthUnit length_ = LengthUnit::kMillimetre;
    MassUnit mass_ = MassUnit::kGram;
};

}  // namespace kalvesta
