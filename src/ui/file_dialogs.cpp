// Qt file dialogs and message boxes for the file commands.
#include "ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace kalvesta {
namespace {

std::optional<QString> Chosen(const QString& name) {
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

// Asks again while the name is a pattern: a name typed with a wildcard is no file
// name.
std::optional<QString> NameWithoutWildcard(QFileDialog& dialog) {
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        const QString name = dialog.selectedFiles().constFirst();
        const QString file = QFileInfo(name).fileName();
        if (!file.contains(u'*') && !file.contains(u'?')) {
            return Chosen(name);
        }
    }
}

// A save dialog starting at `proposal`. No overwrite question of its own: the
// commands ask once the extension is added, and a file is replaced only once the
// new one is complete.
void SetUpSaveDialog(QFileDialog& dialog, const QString& proposal) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A proposal without a folder starts in the current one, not wherever an earlier
    // dialog was left.
    const QFileInfo start(proposal);
    dialog.setDirectory(start.path() == QStringLiteral(".") ? QDir::currentPath() : start.path());
    dialog.selectFile(start.fileName());
}

}  // namespace

std::optional<QString> QtFileDialogs::OpenFileName(QWidget* parent, const QString& folder) {
    return Chosen(
        QFileDialog::getOpenFileName(parent, QString(), folder, QStringLiteral("*.da4 (*.da4)")));
}

std::optional<QString> QtFileDialogs::SaveFileName(QWidget* parent, const QString& proposal) {
    QFileDialog dialog(parent, QString(), QString(), QStringLiteral("*.da4 (*.da4)"));
    SetUpSaveDialog(dialog, proposal);
    return NameWithoutWildcard(dialog);
}

std::optional<QString> QtFileDialogs::ExportFileName(QWidget* parent, const QString& proposal,
                                                     bool english) {
    QFileDialog dialog(parent, InLanguage(english, "Export AVL", "Экспорт в AVL"), QString(),
                       QStringLiteral("*.avl (*.avl)"));
    SetUpSaveDialog(dialog, proposal);
    dialog.setLabelText(QFileDialog::LookIn, InLanguage(english, "Look in:", "Папка:"));
    dialog.setLabelText(QFileDialog::FileName, InLanguage(english, "File name:", "Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType,
                        InLanguage(english, "Files of type:", "Тип файлов:"));
    dialog.setLabelText(QFileDialog::Accept, InLanguage(english, "&Export", "&Экспорт"));
    dialog.setLabelText(QFileDialog::Reject, CancelCaption(english));
    return NameWithoutWildcard(dialog);
}

SaveChoice QtFileDialogs::AskSaveChanges(QWidget* parent, const QString& file_name, bool english) {
    return kalvesta::AskSaveChanges(parent, file_name, english);
}

bool QtFileDialogs::AskReplace(QWidget* parent, const QString& file_name, bool english) {
    return kalvesta::AskReplace(parent, file_name, english);
}

void QtFileDialogs::ShowFileError(QWidget* parent, const QString& message, bool english) {
    Tell(parent, QMessageBox::Warning, message, english);
}

void QtFileDialogs::ShowDone(QWidget* parent, const QString& message, bool english) {
    Tell(parent, QMessageBox::Information, message, english);
}

}  // namespace kalvesta
