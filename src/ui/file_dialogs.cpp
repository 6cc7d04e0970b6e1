// Qt file dialogs and message boxes for the file commands.
#include "ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "ui/window_language.h"

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
                                                     const Catalogue& texts) {
    QFileDialog dialog(parent, QText(texts, TextId::kAvlDialogTitle), QString(),
                       QStringLiteral("*.avl (*.avl)"));
    SetUpSaveDialog(dialog, proposal);
    dialog.setLabelText(QFileDialog::LookIn, QText(texts, TextId::kDialogLookIn));
    dialog.setLabelText(QFileDialog::FileName, QText(texts, TextId::kDialogFileName));
    dialog.setLabelText(QFileDialog::FileType, QText(texts, TextId::kDialogFileType));
    dialog.setLabelText(QFileDialog::Accept, QText(texts, TextId::kAvlExport));
    dialog.setLabelText(QFileDialog::Reject, QText(texts, TextId::kMessageCancel));
    return NameWithoutWildcard(dialog);
}

SaveChoice QtFileDialogs::AskSaveChanges(QWidget* parent, const QString& file_name,
                                         const Catalogue& texts) {
    return kalvesta::AskSaveChanges(parent, file_name, texts);
}

bool QtFileDialogs::AskReplace(QWidget* parent, const QString& file_name, const Catalogue& texts) {
    return kalvesta::AskReplace(parent, file_name, texts);
}

void QtFileDialogs::ShowFileError(QWidget* parent, const QString& message, const Catalogue& texts) {
    Tell(parent, QMessageBox::Warning, message, texts);
}

void QtFileDialogs::ShowDone(QWidget* parent, const QString& message, const Catalogue& texts) {
    Tell(parent, QMessageBox::Information, message, texts);
}

}  // namespace kalvesta
