// Qt file dialogs and message box for "Open" and "Save".
#include "ui/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace kalvesta {
namespace {

const QString kFilter = QStringLiteral("*.da4 (*.da4)");

std::optional<QString> Chosen(const QString& name) {
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

}  // namespace

std::optional<QString> QtFileDialogs::OpenFileName(QWidget* parent) {
    return Chosen(QFileDialog::getOpenFileName(parent, QString(), QString(), kFilter));
}

std::optional<QString> QtFileDialogs::SaveFileName(QWidget* parent) {
    // No overwrite question: the file is replaced only once the new one is complete.
    // Qt's own dialog returns the proposal "*.da4" itself when "Save" is pressed
    // before a name is typed; a name with a wildcard is no file name, so the
    // dialog is shown again.
    for (;;) {
        const QString name =
            QFileDialog::getSaveFileName(parent, QString(), QStringLiteral("*.da4"), kFilter,
                                         nullptr, QFileDialog::DontConfirmOverwrite);
        const QString file = QFileInfo(name).fileName();
        if (!file.contains(u'*') && !file.contains(u'?')) {
            return Chosen(name);
        }
    }
}

void QtFileDialogs::ShowFileError(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, QStringLiteral("Kalvesta4"), message);
}

}  // namespace kalvesta
