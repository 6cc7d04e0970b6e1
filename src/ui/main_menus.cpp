// The menu bar's menus and items with their component names and English captions.
#include "ui/main_menus.h"

#include <QAction>
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

}  // namespace

MainMenus::MainMenus(QMenuBar* bar) {
    bar->setObjectName("MainMenu1");
    file_menu = Menu(bar, "Open1", "File");
    open_item = Item(file_menu, "Open2", "Open");
    save_as_item = Item(file_menu, "Save2", "Save as");
    save_item = Item(file_menu, "Save3", "Save");
    save_item->setVisible(false);
    exit_item = Item(file_menu, "Exit1", "Exit");

    edit_menu = Menu(bar, "EEdit1", "Edit");
    wing_items[1] = Item(edit_menu, "wing11", "Wing-1");
    wing_items[2] = Item(edit_menu, "wing21", "Wing-2");
    wing_items[3] = Item(edit_menu, "wing31", "Wing-3");
    wing_items[3]->setVisible(false);
    aircraft_item = Item(edit_menu, "aircraft1", "Aircraft");

    language_menu = Menu(bar, "Langu1", "Lang-ge");
    switch_language_item = Item(language_menu, "german1", "Русский");

    // "Info" has no items: a click on the menu title itself opens the info window.
    info_item = bar->addAction("Info");
    info_item->setObjectName("Info1");

    // The commands beyond the documented items come after every one of them, so
    // that none of those moves.
    edit_menu->addSeparator();
    static_margin_item = Item(edit_menu, "StaticMargin1", "Static margin at a centre of gravity…");
    refined_check_item = Item(edit_menu, "RefinedCheck1", "Refined-lattice check");
    balance_item = Item(edit_menu, "Balance1", "Balance…");
    file_menu->addSeparator();
    export_avl_item = Item(file_menu, "ExportAvl1", "Export AVL…");
}

void MainMenus::ShowWingItems(int wing_count) {
    wing_items[2]->setVisible(wing_count >= 2);
    wing_items[3]->setVisible(wing_count >= 3);
}

}  // namespace kalvesta
