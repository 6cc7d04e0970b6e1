// The file commands: "New", "Open", the recent files, "Save as" and "Save" with their
// tool buttons, the file-name label, and "Export AVL…". A design is never lost: the
// commands ask before a modified design would be dropped, ask before a file is
// replaced, replace a file only when the new one is complete, and report a file
// that cannot be read or written by name and reason.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "analysis/workbench.h"

class QLabel;
class QStatusBar;
class QStyle;
class QToolButton;
class QWidget;

namespace kalvesta {

class FileDialogs;
class FileNote;
class RecentFiles;
class WindowLanguage;
struct MainMenus;

class FileCommands : public QObject {
    Q_OBJECT

public:
    // Makes the tool buttons (SpeedButton1..3) and the file-name label (Lab_FName)
    // on `strip` and connects them and the menu items; `window` parents the dialogs,
    // which ask and tell in the window's language. What the reading of an opened
    // file filled in or kept is noted in `status_bar`.
    FileCommands(QWidget* window, QWidget* strip, QStatusBar& status_bar, MainMenus& menus,
                 Workbench& bench, const WindowLanguage& language);
    ~FileCommands() override;

    // The open and save glyphs, given with the program icon.
    void GiveIcons(const QStyle& style);
    // Replaces the file dialogs (tests answer them without a person).
    void SetDialogs(std::unique_ptr<FileDialogs> dialogs);
    FileDialogs& dialogs() { return *dialogs_; }

    // "Open" with the file already chosen (nothing: the dialog was cancelled).
    void OpenFile(const std::optional<QString>& chosen);

    // Before the design is dropped: "Save changes to NAME?" when it is modified.
    // True when the caller may go on (nothing to save, saved, or discarded); false
    // when the user cancels or the design could not be saved.
    bool MayDropDesign();
    // The window title: `caption`, then the file's name once the design has one or
    // differs from the start-up one, and " *" while it is modified.
    QString WindowTitle(const QString& caption) const;

private:
    void OnNew();
    void OnOpen();
    void OnOpenRecent(const QString& path);
    // "Save as" (asking for a name) and "Save" (asking only while the design has no
    // name); true when the file was written.
    bool Save(bool ask_for_name);
    void OnExportAvl();
    // A name to write to from `ask` (nothing: cancelled), completed by `complete`;
    // an existing file is replaced only when the user says so, else `ask` again.
    std::optional<std::string> ChooseFileToWrite(
        const std::function<std::optional<QString>(const QString&)>& ask, QString proposal,
        const std::function<std::string(const std::string&)>& complete);
    void ShowSaveCommands();
    void ShowFileName();
    // The folder of the current file, where the dialogs start (empty: the current folder).
    QString FileFolder() const;
    QString FileName() const;
    const Catalogue& texts() const;

    QWidget* window_;
    MainMenus& menus_;
    Workbench& bench_;
    Design& design_;
    const WindowLanguage& language_;
    std::unique_ptr<FileDialogs> dialogs_;
    RecentFiles* recent_files_ = nullptr;
    FileNote* note_ = nullptr;
    QToolButton* open_button_ = nullptr;     // SpeedButton1
    QToolButton* save_as_button_ = nullptr;  // SpeedButton2
    QToolButton* save_button_ = nullptr;     // SpeedButton3, hidden until a name is known
    QLabel* file_name_label_ = nullptr;      // Lab_FName
};

}  // namespace kalvesta
