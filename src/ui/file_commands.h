// The file commands: "Open", "Save as" and "Save" with their tool buttons, the
// file-name label, and "Export AVL…". A design is never lost: writes replace a file
// only when complete, and a file that cannot be read or written is reported by
// name and reason.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "analysis/pipeline.h"
#include "model/aircraft.h"
#include "model/aircraft_inputs.h"

class QLabel;
class QStyle;
class QToolButton;
class QWidget;

namespace kalvesta {

class FileDialogs;
struct MainMenus;

class FileCommands : public QObject {
    Q_OBJECT

public:
    // Makes the tool buttons (SpeedButton1..3) and the file-name label (Lab_FName)
    // on `strip` and connects them and the menu items; `window` parents the dialogs.
    // `window_inputs` reads the window's boxes and buttons.
    FileCommands(QWidget* window, QWidget* strip, const MainMenus& menus, Aircraft& aircraft,
                 const AnalysisData& analysis, std::function<AircraftInputs()> window_inputs);
    ~FileCommands() override;

    // The open and save glyphs, given with the program icon.
    void GiveIcons(const QStyle& style);
    // Replaces the file dialogs (tests answer them without a person).
    void SetDialogs(std::unique_ptr<FileDialogs> dialogs);
    FileDialogs& dialogs() { return *dialogs_; }

    // "Open" with the file already chosen (nothing: the dialog was cancelled).
    void OpenFile(const std::optional<QString>& chosen);

signals:
    // A file was read: the window takes its description.
    void Loaded(const AircraftInputs& description);
    // The design at `path` was read, after Loaded, or written.
    void DesignOpened(const std::string& path);
    void DesignSaved(const std::string& path);
    // "Open" has ended, whatever it found: the window recomputes the aircraft.
    void OpenEnded();

private:
    void OnOpen();
    // "Save as" (asking for a name) and "Save".
    void OnSave(bool ask_for_name);
    void OnExportAvl();
    void ShowSaveCommands();

    QWidget* window_;
    const MainMenus& menus_;
    Aircraft& aircraft_;
    const AnalysisData& analysis_;
    std::function<AircraftInputs()> window_inputs_;
    std::unique_ptr<FileDialogs> dialogs_;
    QToolButton* open_button_ = nullptr;     // SpeedButton1
    QToolButton* save_as_button_ = nullptr;  // SpeedButton2
    QToolButton* save_button_ = nullptr;     // SpeedButton3, hidden until a name is known
    QLabel* file_name_label_ = nullptr;      // Lab_FName
};

}  // namespace kalvesta
