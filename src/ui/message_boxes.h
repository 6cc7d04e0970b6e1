// Messages and questions in the window's language: the text and every button from
// its catalogue, under the program's title.
#pragma once

#include <QMessageBox>
#include <QString>

#include "texts/catalogue.h"

class QWidget;

namespace kalvesta {

struct Aircraft;

// The title of every message and dialog of the window.
inline constexpr char kMessageTitle[] = "Kalvesta4";

enum class SaveChoice { kSave, kDiscard, kCancel };

// `text` with one button, "OK", waited for.
void Tell(QWidget* parent, QMessageBox::Icon icon, const QString& text, const Catalogue& texts);

// "Save changes to NAME?" with "Save", "Discard" and "Cancel" (Escape).
SaveChoice AskSaveChanges(QWidget* parent, const QString& file_name, const Catalogue& texts);

// "NAME already exists. Replace it?" with "Replace" and "Cancel" (the default).
bool AskReplace(QWidget* parent, const QString& file_name, const Catalogue& texts);

// True with valid results; otherwise says "Please calculate first." over `parent`.
bool HasResultsOrSays(QWidget* parent, const Aircraft& aircraft, const Catalogue& texts);

}  // namespace kalvesta
