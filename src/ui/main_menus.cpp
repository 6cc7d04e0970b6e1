// The menu bar's menus and items with their component names, English captions
// (captions.cpp switches them, mnemonics included) and keys.
#include "ui/main_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kalvesta {
namespace {

QAction* Item(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    return action;
}

QMenu* Menu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

// The desktop's keys for `key`, and the `usual` ones besides where they lack them
// (without a desktop theme there is no key for "Save as" or "Quit").
QList<QKeySequence> Keys(QKeySequence::StandardKey key, std::initializer_list<const char*> usual) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    for (const char* sequence : usual) {
        if (!keys.contains(QKeySequence(sequence))) {
            keys << QKeySequence(sequence);
        }
    }
    return keys;
}

}  // namespace

MainMenus::MainMenus(QMenuBar* bar) {
    bar->setObjectName("MainMenu1");
    file_menu = Menu(bar, "Open1", "&File");
    new_item = Item(file_menu, "New1", "&New");
    open_item = Item(file_menu, "Open2", "&Open");
    recent_menu = file_menu->addMenu("&Recent files");
    recent_menu->setObjectName("Recent1");
    save_as_item = Item(file_menu, "Save2", "Save &as");
    save_item = Item(file_menu, "Save3", "&Save");
    save_item->setVisible(false);
    // The one command beyond the documented items that is not in "Edit": an export
    // belongs with the files, above the command that ends the program.
    file_menu->addSeparator();
    export_avl_item = Item(file_menu, "ExportAvl1", "&Export AVL…");
    file_menu->addSeparator();
    exit_item = Item(file_menu, "Exit1", "E&xit");

    edit_menu = Menu(bar, "EEdit1", "&Edit");
    undo_item = Item(edit_menu, "Undo1", "&Undo");
    redo_item = Item(edit_menu, "Redo1", "&Redo");
    edit_menu->addSeparator();
    wing_items[1] = Item(edit_menu, "wing11", "Wing-&1");
    wing_items[2] = Item(edit_menu, "wing21", "Wing-&2");
    wing_items[3] = Item(edit_menu, "wing31", "Wing-&3");
    wing_items[3]->setVisible(false);
    aircraft_item = Item(edit_menu, "aircraft1", "&Aircraft");

    language_menu = Menu(bar, "Langu1", "&Lang-ge");
    switch_language_item = Item(language_menu, "german1", "&Русский");

    // "Info" has no items: a click on the menu title itself opens the info window.
    info_item = bar->addAction("&Info");
    info_item->setObjectName("Info1");

    // The commands on the results come after every documented item of "Edit".
    edit_menu->addSeparator();
    static_margin_item = Item(edit_menu, "StaticMargin1", "&Static margin at a centre of gravity…");
    refined_check_item = Item(edit_menu, "RefinedCheck1", "&Refined-lattice check");
    balance_item = Item(edit_menu, "Balance1", "&Balance…");

    new_item->setShortcuts(Keys(QKeySequence::New, {"Ctrl+N"}));
    open_item->setShortcuts(Keys(QKeySequence::Open, {"Ctrl+O"}));
    undo_item->setShortcuts(Keys(QKeySequence::Undo, {"Ctrl+Z"}));
    redo_item->setShortcuts(Keys(QKeySequence::Redo, {"Ctrl+Shift+Z", "Ctrl+Y"}));
    // Until "Save" shows, "Save as" answers both save keys: a design without a
    // name is saved by asking for one.
    save_as_item->setShortcuts(Keys(QKeySequence::SaveAs, {"Ctrl+Shift+S"}) +
                               Keys(QKeySequence::Save, {"Ctrl+S"}));
    save_item->setShortcuts(Keys(QKeySequence::Save, {"Ctrl+S"}));
    exit_item->setShortcuts(Keys(QKeySequence::Quit, {"Ctrl+Q"}));
}

void MainMenus::ShowWingItems(int wing_count) {
    wing_items[2]->setVisible(wing_count >= 2);
    wing_items[3]->setVisible(wing_count >= 3);
}

void MainMenus::ShowSaveItem() {
    save_item->setVisible(true);
    save_as_item->setShortcuts(Keys(QKeySequence::SaveAs, {"Ctrl+Shift+S"}));
}

}  // namespace kalvesta
