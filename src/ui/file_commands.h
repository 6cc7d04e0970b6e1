// The file commands: "Open", "Save as" and "Save" with their tool buttons, the
// file-name label, and "Export AVL…". A design is never lost: the commands know
// whether the window's design differs from the one last opened or saved and ask
// before it would be dropped, ask before a file is replaced, replace a file only
// when the new one is complete, and report a file that cannot be read or written by
// name and reason.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "analysis/pipeline.h"
#include "files/da4_format.h"
#include "model/aircraft.h"
#include "model/aircraft_inputs.h"
#include "model/parts.h"

class QLabel;
class QStyle;
class QToolButton;
class QWidget;

namespace kalvesta {

class FileDialogs;
struct MainMenus;

// The parts saved with the design: the list, or why it cannot be saved as it stands.
struct PartsToSave {
    std::vector<Part> parts;
    QString problem;  // empty when the list can be saved
};

class FileCommands : public QObject {
    Q_OBJECT

public:
    // Makes the tool buttons (SpeedButton1..3) and the file-name label (Lab_FName)
    // on `strip` and connects them and the menu items; `window` parents the dialogs.
    // `window_inputs` reads the window's boxes and buttons.
    FileCommands(QWidget* window, QWidget* strip, MainMenus& menus, Aircraft& aircraft,
                 const AnalysisData& analysis, std::function<AircraftInputs()> window_inputs);
    ~FileCommands() override;

    // The open and save glyphs, given with the program icon.
    void GiveIcons(const QStyle& style);
    // Replaces the file dialogs (tests answer them without a person).
    void SetDialogs(std::unique_ptr<FileDialogs> dialogs);
    FileDialogs& dialogs() { return *dialogs_; }

    // "Open" with the file already chosen (nothing: the dialog was cancelled).
    void OpenFile(const std::optional<QString>& chosen);

    // The window's design as it stands counts as saved (the start-up aircraft).
    void TakeDesignAsSaved();
    // Whether the window's design differs from the one last opened or saved, or
    // `also_changed` (the parts list beside it, say) says it has changed.
    bool IsModified() const;
    void AlsoChangedWhen(std::function<bool()> also_changed);
    // Where "Save" takes the parts it writes into the design's file.
    void SavePartsFrom(std::function<PartsToSave()> parts);
    // Something `also_changed` answers for has changed: the title follows.
    void ShowDesignState() { emit DesignStateChanged(); }
    // Before the design is dropped: "Save changes to NAME?" when it is modified.
    // True when the caller may go on (nothing to save, saved, or discarded); false
    // when the user cancels or the design could not be saved.
    bool MayDropDesign();
    // The window title: `caption`, then the file's name once the design has one or
    // differs from the start-up one, and " *" while it is modified.
    QString WindowTitle(const QString& caption) const;

signals:
    // A file was read: the window takes its description.
    void Loaded(const AircraftInputs& description);
    // The design at `path` was read, after Loaded, with its parts (its file's, or
    // those of the parts file beside a file that holds none), or written.
    void DesignOpened(const std::string& path, const std::vector<Part>& parts);
    void DesignSaved(const std::string& path);
    // "Open" has ended, whatever it found: the window recomputes the aircraft.
    void OpenEnded();
    // The file's name or the saved design changed: the window title follows.
    void DesignStateChanged();

private:
    void OnOpen();
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
    bool english() const { return aircraft_.english_captions; }

    QWidget* window_;
    MainMenus& menus_;
    Aircraft& aircraft_;
    const AnalysisData& analysis_;
    std::function<AircraftInputs()> window_inputs_;
    std::unique_ptr<FileDialogs> dialogs_;
    std::function<bool()> also_changed_;
    std::function<PartsToSave()> parts_to_save_;
    QToolButton* open_button_ = nullptr;     // SpeedButton1
    QToolButton* save_as_button_ = nullptr;  // SpeedButton2
    QToolButton* save_button_ = nullptr;     // SpeedButton3, hidden until a name is known
    QLabel* file_name_label_ = nullptr;      // Lab_FName
    // The design has a file: opened from it or saved into it.
    bool named_ = false;
    // The design as last opened or saved, as the file holds it.
    Da4Values saved_design_{};
};

}  // namespace kalvesta
