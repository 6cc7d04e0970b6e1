// The main window's menu bar: "File", "Edit", the language menu and "Info", with
// the commands beyond the documented items where a desktop user looks for them
// ("New" and the recent files around "Open", "Undo" and "Redo" on top of "Edit",
// the AVL export above "Exit", the commands on the results after the documented
// items of "Edit", the units in "Options"), every menu and item with a mnemonic and the usual keys,
// captioned in the window's language. The window connects the items to the parts
// that carry them out.
#pragma once

#include "model/aircraft.h"
#include "texts/catalogue.h"

class QAction;
class QMenu;
class QMenuBar;

namespace kalvesta {

class WindowLanguage;

struct MainMenus {
    // Fills `bar` (MainMenu1) with every menu and item, which follow `language`
    // ("Undo" and "Redo" take theirs from the steps they name).
    MainMenus(QMenuBar* bar, const WindowLanguage& language);

    // The wing items of the wings in use: Wing-2 with two or three, Wing-3 with three.
    void ShowWingItems(int wing_count);
    // Shows "Save", which takes the save key from "Save as".
    void ShowSaveItem();
    // The captions but "Info"'s, which is not switched.
    void ApplyCaptions(const Catalogue& texts);

    QMenu* file_menu = nullptr;               // Open1
    QAction* new_item = nullptr;              // New1
    QAction* open_item = nullptr;             // Open2
    QMenu* recent_menu = nullptr;             // Recent1, the files last opened or saved
    QAction* save_as_item = nullptr;          // Save2
    QAction* save_item = nullptr;             // Save3, hidden until a name is known
    QAction* print_template_item = nullptr;   // PrintTemplate1
    QAction* export_avl_item = nullptr;       // ExportAvl1
    QAction* exit_item = nullptr;             // Exit1
    QMenu* edit_menu = nullptr;               // EEdit1
    QAction* undo_item = nullptr;             // Undo1
    QAction* redo_item = nullptr;             // Redo1
    PerWing<QAction*> wing_items{};           // wing11, wing21, wing31
    QAction* aircraft_item = nullptr;         // aircraft1
    QAction* fuselage_item = nullptr;         // Fuselage1
    QAction* static_margin_item = nullptr;    // StaticMargin1
    QAction* refined_check_item = nullptr;    // RefinedCheck1
    QAction* lift_item = nullptr;             // Lift1
    QAction* balance_item = nullptr;          // Balance1
    QMenu* options_menu = nullptr;            // Options1: the units
    QAction* millimetres_item = nullptr;      // Millimetres1, checked or Inches1
    QAction* inches_item = nullptr;           // Inches1
    QAction* grams_item = nullptr;            // Grams1, checked or Ounces1
    QAction* ounces_item = nullptr;           // Ounces1
    QMenu* language_menu = nullptr;           // Langu1
    QAction* switch_language_item = nullptr;  // german1: English <-> Russian
    QAction* info_item = nullptr;             // Info1
};

}  // namespace kalvesta
