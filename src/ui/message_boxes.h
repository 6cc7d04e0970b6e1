// Messages and questions in the window's language: the text and every button in
// English or Russian, under the program's title.
#pragma once

#include <QMessageBox>
#include <QString>

#include "ui/message_text.h"

class QWidget;

namespace kalvesta {

struct Aircraft;

// The title of every message and dialog of the window.
inline constexpr char kMessageTitle[] = "Kalvesta4";

// The buttons' captions.
QString OkCaption(bool english);
QString CancelCaption(bool english);

enum class SaveChoice { kSave, kDiscard, kCancel };

// `text` with one button, "OK", waited for.
void Tell(QWidget* parent, QMessageBox::Icon icon, const QString& text, bool english);

// "Save changes to NAME?" with "Save", "Discard" and "Cancel" (Escape).
SaveChoice AskSaveChanges(QWidget* parent, const QString& file_name, bool english);

// "NAME already exists. Replace it?" with "Replace" and "Cancel" (the default).
bool AskReplace(QWidget* parent, const QString& file_name, bool english);

// True with valid results; otherwise says "Please calculate first." over `parent`,
// in the window's language.
bool HasResultsOrSays(QWidget* parent, const Aircraft& aircraft);

}  // namespace kalvesta
