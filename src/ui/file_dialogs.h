// The file dialogs and the error box of "Open" and "Save", behind a small seam so
// that the window's tests can answer them without a person.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace kalvesta {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file name, or nothing when the user cancels.
    virtual std::optional<QString> OpenFileName(QWidget* parent) = 0;
    virtual std::optional<QString> SaveFileName(QWidget* parent) = 0;
    // Tells the user that a file could not be read or written, and why.
    virtual void ShowFileError(QWidget* parent, const QString& message) = 0;
};

// The real dialogs: filter "*.da4", the save dialog proposing "*.da4".
class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> OpenFileName(QWidget* parent) override;
    std::optional<QString> SaveFileName(QWidget* parent) override;
    void ShowFileError(QWidget* parent, const QString& message) override;
};

}  // namespace kalvesta
