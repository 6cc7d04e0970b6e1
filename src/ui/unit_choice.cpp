// The units in the user's settings: "units/length" is "mm" or "in", "units/mass"
// "g" or "oz".
#include "ui/unit_choice.h"

#include "ui/user_settings.h"

namespace kalvesta {
namespace {

constexpr char kLengthKey[] = "units/length";
constexpr char kMassKey[] = "units/mass";

}  // namespace

UnitChoice::UnitChoice(QObject* parent) : QObject(parent) {
    const QSettings settings = UserSettings();
    if (settings.value(kLengthKey).toString() == "in") {
        length_ = LengthUnit::kInch;
    }
    if (settings.value(kMassKey).toString() == "oz") {
        mass_ = MassUnit::kOunce;
    }
}

void UnitChoice::Choose(LengthUnit unit) {
    if (unit == length_) {
        return;
    }
    length_ = unit;
    UserSettings().setValue(kLengthKey, unit == LengthUnit::kInch ? "in" : "mm");
    emit Changed();
}

void UnitChoice::Choose(MassUnit unit) {
    if (unit == mass_) {
        return;
    }
    mass_ = unit;
    UserSettings().setValue(kMassKey, unit == MassUnit::kOunce ? "oz" : "g");
    emit Changed();
}

}  // namespace kalvesta
