// File > Recent files: the last eight designs opened or saved, newest first, kept in
// the user's configuration folder (Kalvesta4/Kalvesta4.conf under the desktop's
// configuration home, ~/.config by default), never in the working folder.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;

namespace kalvesta {

class WindowLanguage;

class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaxFiles = 8;

    // Fills `menu` from the settings and keeps it filled, in the window's language.
    RecentFiles(QMenu& menu, const WindowLanguage& language);

    // `path` opened or saved: first in the list.
    void Add(const QString& path);
    // `path` is gone: out of the list.
    void Remove(const QString& path);
    QStringList files() const;

signals:
    void Chosen(const QString& path);

private:
    void Store(const QStringList& files);
    void ShowFiles();

    QMenu& menu_;
    const WindowLanguage& language_;
};

}  // namespace kalvesta
