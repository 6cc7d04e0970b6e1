// The recent files in the user's settings and their menu.
#include "ui/recent_files.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "ui/window_language.h"

namespace kalvesta {
namespace {

constexpr char kKey[] = "recentFiles";

QSettings UserSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kalvesta4", "Kalvesta4");
}

}  // namespace

RecentFiles::RecentFiles(QMenu& menu, const WindowLanguage& language)
    : QObject(&menu), menu_(menu), language_(language) {
    ShowFiles();
    connect(&language, &WindowLanguage::Changed, this, &RecentFiles::ShowFiles);
}

QStringList RecentFiles::files() const {
    return UserSettings().value(kKey).toStringList().mid(0, kMaxFiles);
}

void RecentFiles::Store(const QStringList& files) {
    UserSettings().setValue(kKey, files.mid(0, kMaxFiles));
    ShowFiles();
}

void RecentFiles::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    Store(list);
}

void RecentFiles::Remove(const QString& path) {
    QStringList list = files();
    list.removeAll(path);
    Store(list);
}

void RecentFiles::ShowFiles() {
    menu_.clear();
    const QStringList list = files();
    for (int i = 0; i < list.size(); ++i) {
        // "&1 plane.da4", the whole path as the item's tip.
        QAction* item = menu_.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(list[i]).fileName().replace('&', QStringLiteral("&&"))));
        item->setToolTip(QDir::toNativeSeparators(list[i]));
        item->setStatusTip(item->toolTip());
        connect(item, &QAction::triggered, this, [this, path = list[i]] { emit Chosen(path); });
    }
    if (!list.isEmpty()) {
        menu_.addSeparator();
        connect(menu_.addAction(language_.Text(TextId::kRecentClear)), &QAction::triggered, this,
                [this] { Store({}); });
    }
    menu_.setEnabled(!list.isEmpty());
}

}  // namespace kalvesta
