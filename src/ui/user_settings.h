// The user's settings: Kalvesta4/Kalvesta4.conf under the desktop's configuration
// home (~/.config by default), never in the working folder.
#pragma once

#include <QSettings>

namespace kalvesta {

inline QSettings UserSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kalvesta4", "Kalvesta4");
}

}  // namespace kalvesta
