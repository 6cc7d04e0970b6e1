// The program icon from the resources compiled in from data/icons.
#include "ui/program_icon.h"

namespace kalvesta {

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/kalvesta4-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace kalvesta
