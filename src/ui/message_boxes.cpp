// Message boxes whose buttons speak the window's language.
#include "ui/message_boxes.h"

#include <QPushButton>

#include "model/aircraft.h"

namespace kalvesta {

QString OkCaption(bool english) {
    // The Russian "ОК" is written in Cyrillic letters.
    return InLanguage(english, "OK", "ОК");
}

QString CancelCaption(bool english) {
    return InLanguage(english, "Cancel", "Отмена");
}

void Tell(QWidget* parent, QMessageBox::Icon icon, const QString& text, bool english) {
    QMessageBox box(icon, kMessageTitle, text, QMessageBox::NoButton, parent);
    box.addButton(OkCaption(english), QMessageBox::AcceptRole);
    box.exec();
}

SaveChoice AskSaveChanges(QWidget* parent, const QString& file_name, bool english) {
    QMessageBox box(
        QMessageBox::Question, kMessageTitle,
        InLanguage(english, "Save changes to %1?", "Сохранить изменения в «%1»?").arg(file_name),
        QMessageBox::NoButton, parent);
    QPushButton* save =
        box.addButton(InLanguage(english, "&Save", "&Сохранить"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(InLanguage(english, "&Discard", "&Не сохранять"),
                                         QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(CancelCaption(english), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) {
        return SaveChoice::kSave;
    }
    return box.clickedButton() == discard ? SaveChoice::kDiscard : SaveChoice::kCancel;
}

bool AskReplace(QWidget* parent, const QString& file_name, bool english) {
    QMessageBox box(QMessageBox::Warning, kMessageTitle,
                    InLanguage(english, "%1 already exists. Replace it?",
                               "Файл «%1» уже существует. Заменить его?")
                        .arg(file_name),
                    QMessageBox::NoButton, parent);
    QPushButton* replace =
        box.addButton(InLanguage(english, "&Replace", "&Заменить"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(CancelCaption(english), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == replace;
}

bool HasResultsOrSays(QWidget* parent, const Aircraft& aircraft) {
    if (aircraft.results_valid) {
        return true;
    }
    Tell(parent, QMessageBox::Information,
         InLanguage(aircraft.english_captions, "Please calculate first.",
                    "Сначала выполните расчёт."),
         aircraft.english_captions);
    return false;
}

}  // namespace kalvesta
