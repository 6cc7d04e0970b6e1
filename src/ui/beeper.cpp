// The system's beep through Qt.
#include "ui/beeper.h"

#include <QApplication>

namespace kalvesta {

void SystemBeeper::Beep() {
    QApplication::beep();
}

}  // namespace kalvesta
