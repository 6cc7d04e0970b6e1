// Message boxes whose buttons speak the window's language.
#include "ui/message_boxes.h"

#include <QPushButton>

#include "model/aircraft.h"
#include "ui/window_language.h"

namespace kalvesta {

void Tell(QWidget* parent, QMessageBox::Icon icon, const QString& text, const Catalogue& texts) {
    QMessageBox box(icon, kMessageTitle, text, QMessageBox::NoButton, parent);
    box.addButton(QText(texts, TextId::kMessageOk), QMessageBox::AcceptRole);
    box.exec();
}

SaveChoice AskSaveChanges(QWidget* parent, const QString& file_name, const Catalogue& texts) {
    QMessageBox box(QMessageBox::Question, kMessageTitle,
                    QText(texts, TextId::kMessageSaveChanges, {{"file", file_name.toStdString()}}),
                    QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QText(texts, TextId::kMessageSave), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QText(texts, TextId::kMessageDiscard), QMessageBox::DestructiveRole);
    QPushButton* cancel =
        box.addButton(QText(texts, TextId::kMessageCancel), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) {
        return SaveChoice::kSave;
    }
    return box.clickedButton() == discard ? SaveChoice::kDiscard : SaveChoice::kCancel;
}

bool AskReplace(QWidget* parent, const QString& file_name, const Catalogue& texts) {
    QMessageBox box(
        QMessageBox::Warning, kMessageTitle,
        QText(texts, TextId::kMessageReplaceQuestion, {{"file", file_name.toStdString()}}),
        QMessageBox::NoButton, parent);
    QPushButton* replace =
        box.addButton(QText(texts, TextId::kMessageReplace), QMessageBox::DestructiveRole);
    QPushButton* cancel =
        box.addButton(QText(texts, TextId::kMessageCancel), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == replace;
}

bool HasResultsOrSays(QWidget* parent, const Aircraft& aircraft, const Catalogue& texts) {
    if (aircraft.results_valid) {
        return true;
    }
    Tell(parent, QMessageBox::Information, QText(texts, TextId::kMessageCalculateFirst), texts);
    return false;
}

}  // namespace kalvesta
