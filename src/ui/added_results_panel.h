// What a calculation adds beside its documented results, in the window's results
// area: a framed note over the top view, where the drawing leaves the most room
// along its right edge or above the documented result lines on its left, with the
// neutral points as calculated, carried through the fuselage and with the
// fuselage's moment, where the recommended centre of gravity comes from, the
// caution, or what a gap at the centre line costs. Hidden while there is nothing to
// add or no results.
#pragma once

#include <QObject>

#include "analysis/workbench.h"

class QLabel;
class QWidget;

namespace kalvesta {

class ImageControl;
class WindowLanguage;

class AddedResultsPanel : public QObject {
    Q_OBJECT

public:
    // Makes the note AddedResults on `page`, over the top view `top_view`; it follows
    // the language.
    AddedResultsPanel(QWidget* page, const ImageControl& top_view, const Workbench& bench,
                      const WindowLanguage& language);

    // The sentences of the workbench's results, or nothing.
    void Show();

private:
    const ImageControl& top_view_;
    const Workbench& bench_;
    const WindowLanguage& language_;
    QLabel* note_ = nullptr;
};

}  // namespace kalvesta
