// The menu bar's menus and items with their component names, captions and keys.
#include "ui/main_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <string>
#include <utility>

#include "ui/window_language.h"

namespace kalvesta {
namespace {

QAction* Item(QMenu* menu, const char* name) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    return action;
}

// A checkable item, one of `group`'s exclusive choices.
QAction* Choice(QMenu* menu, const char* name, QActionGroup* group) {
    QAction* action = Item(menu, name);
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

QMenu* Menu(QMenuBar* bar, const char* name) {
    QMenu* menu = bar->addMenu(QString());
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

MainMenus::MainMenus(QMenuBar* bar, const WindowLanguage& language) {
    bar->setObjectName("MainMenu1");
    file_menu = Menu(bar, "Open1");
    new_item = Item(file_menu, "New1");
    open_item = Item(file_menu, "Open2");
    recent_menu = file_menu->addMenu(QString());
    recent_menu->setObjectName("Recent1");
    save_as_item = Item(file_menu, "Save2");
    save_item = Item(file_menu, "Save3");
    save_item->setVisible(false);
    // The commands beyond the documented items that are not in "Edit": printing the
    // template and an export belong with the files, above the command that ends the
    // program.
    file_menu->addSeparator();
    print_template_item = Item(file_menu, "PrintTemplate1");
    export_avl_item = Item(file_menu, "ExportAvl1");
    file_menu->addSeparator();
    exit_item = Item(file_menu, "Exit1");

    edit_menu = Menu(bar, "EEdit1");
    undo_item = Item(edit_menu, "Undo1");
    redo_item = Item(edit_menu, "Redo1");
    edit_menu->addSeparator();
    wing_items[1] = Item(edit_menu, "wing11");
    wing_items[2] = Item(edit_menu, "wing21");
    wing_items[3] = Item(edit_menu, "wing31");
    wing_items[3]->setVisible(false);
    aircraft_item = Item(edit_menu, "aircraft1");
    // The fuselage is described with the aircraft, before the commands on the results.
    fuselage_item = Item(edit_menu, "Fuselage1");

    options_menu = Menu(bar, "Options1");
    auto* lengths = new QActionGroup(options_menu);
    auto* masses = new QActionGroup(options_menu);
    millimetres_item = Choice(options_menu, "Millimetres1", lengths);
    inches_item = Choice(options_menu, "Inches1", lengths);
    options_menu->addSeparator();
    grams_item = Choice(options_menu, "Grams1", masses);
    ounces_item = Choice(options_menu, "Ounces1", masses);

    language_menu = Menu(bar, "Langu1");
    switch_language_item = Item(language_menu, "german1");

    // "Info" has no items: a click on the menu title itself opens the info window.
    info_item = bar->addAction(language.Text(TextId::kMenuInfo));
    info_item->setObjectName("Info1");

    // The commands on the results come after every documented item of "Edit".
    edit_menu->addSeparator();
    static_margin_item = Item(edit_menu, "StaticMargin1");
    refined_check_item = Item(edit_menu, "RefinedCheck1");
    lift_item = Item(edit_menu, "Lift1");
    balance_item = Item(edit_menu, "Balance1");

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

    ApplyCaptions(language.texts());
    QObject::connect(&language, &WindowLanguage::Changed, bar,
                     [this, &language] { ApplyCaptions(language.texts()); });
}

void MainMenus::ApplyCaptions(const Catalogue& texts) {
    // A menu's title is the text of its action.
    const std::pair<QAction*, TextId> captions[] = {
        {file_menu->menuAction(), TextId::kMenuFile},
        {new_item, TextId::kMenuNew},
        {open_item, TextId::kMenuOpen},
        {recent_menu->menuAction(), TextId::kMenuRecent},
        {save_as_item, TextId::kMenuSaveAs},
        {save_item, TextId::kMenuSave},
        {print_template_item, TextId::kMenuPrintTemplate},
        {export_avl_item, TextId::kMenuExportAvl},
        {exit_item, TextId::kMenuExit},
        {edit_menu->menuAction(), TextId::kMenuEdit},
        {aircraft_item, TextId::kMenuAircraft},
        {fuselage_item, TextId::kMenuFuselage},
        {static_margin_item, TextId::kMenuStaticMargin},
        {refined_check_item, TextId::kMenuRefinedCheck},
        {lift_item, TextId::kMenuLift},
        {balance_item, TextId::kMenuBalance},
        {options_menu->menuAction(), TextId::kMenuOptions},
        {millimetres_item, TextId::kMenuMillimetres},
        {inches_item, TextId::kMenuInches},
        {grams_item, TextId::kMenuGrams},
        {ounces_item, TextId::kMenuOunces},
        {language_menu->menuAction(), TextId::kMenuLanguage},
        {switch_language_item, TextId::kMenuSwitchLanguage},
    };
    for (const auto& [item, caption] : captions) {
        item->setText(QText(texts, caption));
    }
    for (int wing = 1; wing <= kMaxWings; ++wing) {
        wing_items[static_cast<size_t>(wing)]->setText(
            QText(texts, TextId::kMenuWing, {{"wing", std::to_string(wing)}}));
    }
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
