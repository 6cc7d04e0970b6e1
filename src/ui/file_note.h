// The note in the status line, before the answer, about the file just opened: what
// the lenient reading filled in or kept, in the window's language. It never blocks:
// it stays until the user dismisses it, another file is opened or "New" starts
// afresh. A long note is cut to the line, and shows whole as its tip.
#pragma once

#include <QWidget>
#include <string>

#include "files/da4_file.h"
#include "model/aircraft_inputs.h"

class QLabel;
class QStatusBar;
class QToolButton;

namespace kalvesta {

class WindowLanguage;

class FileNote : public QWidget {
    Q_OBJECT

public:
    // Makes the note, hidden, as the first widget of `bar`.
    FileNote(QStatusBar& bar, const WindowLanguage& language);

    // The note for the file `name` just opened as `opened`; hidden when its reading
    // filled in and kept nothing.
    void Show(const Da4Leniency& leniency, const std::string& name, const AircraftInputs& opened);
    void Dismiss();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowText();

    const WindowLanguage& language_;
    Da4Leniency leniency_;
    std::string name_;
    AircraftInputs opened_;
    QLabel* label_ = nullptr;
    QToolButton* close_button_ = nullptr;
};

}  // namespace kalvesta
