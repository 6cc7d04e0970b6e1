// The file dialogs and the messages and questions of the file commands, behind a
// small seam so that the window's tests can answer them without a person.
#pragma once

#include <QString>
#include <optional>

#include "ui/message_boxes.h"

class QWidget;

namespace kalvesta {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file name, or nothing when the user cancels. `folder` is where the
    // open dialog starts (empty: the current folder); `proposal` is the name, with
    // its folder, or the pattern the save dialogs start with.
    virtual std::optional<QString> OpenFileName(QWidget* parent, const QString& folder) = 0;
    virtual std::optional<QString> SaveFileName(QWidget* parent, const QString& proposal) = 0;
    // The AVL export's own dialog, titled and labelled in the window's language.
    virtual std::optional<QString> ExportFileName(QWidget* parent, const QString& proposal,
                                                  const Catalogue& texts) = 0;
    virtual SaveChoice AskSaveChanges(QWidget* parent, const QString& file_name,
                                      const Catalogue& texts) = 0;
    virtual bool AskReplace(QWidget* parent, const QString& file_name, const Catalogue& texts) = 0;
    // Tells the user that a file could not be read or written, and why.
    virtual void ShowFileError(QWidget* parent, const QString& message, const Catalogue& texts) = 0;
    // Tells the user what was done.
    virtual void ShowDone(QWidget* parent, const QString& message, const Catalogue& texts) = 0;
};

// The real dialogs: filter "*.da4" (the save dialog proposing "plane.da4" for a
// design without a name), and "*.avl" for the export; the message boxes of
// message_boxes.h.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> OpenFileName(QWidget* parent, const QString& folder) override;
    std::optional<QString> SaveFileName(QWidget* parent, const QString& proposal) override;
    std::optional<QString> ExportFileName(QWidget* parent, const QString& proposal,
                                          const Catalogue& texts) override;
    SaveChoice AskSaveChanges(QWidget* parent, const QString& file_name,
                              const Catalogue& texts) override;
    bool AskReplace(QWidget* parent, const QString& file_name, const Catalogue& texts) override;
    void ShowFileError(QWidget* parent, const QString& message, const Catalogue& texts) override;
    void ShowDone(QWidget* parent, const QString& message, const Catalogue& texts) override;
};

}  // namespace kalvesta
