// Caption table: one row per text, with every component that shows it.
#include "ui/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>
#include <array>
#include <initializer_list>

#include "ui/component_table.h"

namespace kalvesta {
namespace {

struct CaptionRow {
    std::initializer_list<const char*> components;
    const char* english;
    const char* russian;
};

// Texts exactly as the window shows them, blanks included; "&" marks the letter
// that, underlined, chooses a menu or item from the keyboard. The Russian "Save"
// says "Сохранить" so that the command says what it does.
const std::array<CaptionRow, 41> kCaptions{{
    {{"Label1", "Label6", "Label16"}, "wing span (b):", "Размах крыла b:"},
    {{"Label2", "Label7", "Label17"}, "wing area (s):", "Площадь крыла  s :"},
    {{"Label3", "Label8", "Label18"}, "mean aerod. chord (lm):", "Главн.Аэр.Хорда :"},
    {{"Label4", "Label9", "Label19"}, "geometric center (r25):", "Геометрический центр  (r25):"},
    {{"Label5", "Label10", "Label20"}, "aspect ratio (lam):", "Удлиннение(lam):"},
    {{"Label22"}, "Desired Static Stability:", "Выбор статической стабильности  :"},
    {{"Label23"}, "Positioning", "Располож."},
    {{"Label_w"}, "- calculation is running -", "  - Расчёт параметров- "},
    {{"RadioButton4", "RadioButton7", "RadioButton10"}, "1 trapezium", "1Трапеци"},
    {{"RadioButton5", "RadioButton8", "RadioButton11"}, "2 trapeziums", "2Трапеции"},
    {{"RadioButton6", "RadioButton9", "RadioButton12"}, "3 trapeziums", "3Трапеции"},
    {{"RadioButton41t", "RadioButton42t", "RadioButton43t"}, "4 trapeziums", "4Трапеции"},
    {{"Button4"}, "Calculate", "Рассчитать"},
    {{"Button6"}, "Print", "Печать "},
    {{"TabSheet1"}, "  Wing-1 ", " Крыло -1 "},
    {{"TabSheet2"}, "  Wing-2 ", " Крыло -2 "},
    {{"TabSheet3"}, "  Wing-3 ", " Крыло -3 "},
    {{"TabSheet5"}, "  Aircraft  ", "  Самолёт "},
    {{"RadioButton1"}, "1 Wing", "1 Крыло "},
    {{"RadioButton2"}, "2 Wings", "2 Крыла "},
    {{"RadioButton3"}, "3 Wings", "3 Крыла "},
    {{"RadioButton15"}, "Automatic choice of stability", "Считать стабилизац.автоматич"},
    {{"RadioButton16"}, "Manual choice of stability", "Выбрать стабилизацию вручную"},
    {{"EEdit1"}, "&Edit", "  &Edit    "},
    {{"wing11"}, "Wing-&1", "Крыло -&1"},
    {{"wing21"}, "Wing-&2", "Крыло -&2"},
    {{"wing31"}, "Wing-&3", "Крыло -&3"},
    {{"aircraft1"}, "&Aircraft", "&Самолёт "},
    {{"Open1"}, "&File", "&File "},
    {{"Open2"}, "&Open", "&Откр. "},
    {{"Save2"}, "Save &as", "Сохранить &как"},
    {{"Save3"}, "&Save", "&Сохранить"},
    {{"Exit1"}, "E&xit", "&Выход  "},
    {{"Langu1"}, "&Lang-ge", "  &Язык  "},
    {{"german1"}, "&Русский", "&english"},
    {{"StaticMargin1"},
     "&Static margin at a centre of gravity…",
     "&Запас устойчивости при центре тяжести…"},
    {{"RefinedCheck1"}, "&Refined-lattice check", "&Проверка на более мелкой сетке"},
    {{"Balance1"}, "&Balance…", "&Центровка…"},
    {{"ExportAvl1"}, "&Export AVL…", "&Экспорт в AVL…"},
    {{"New1"}, "&New", "&Новый"},
    {{"Recent1"}, "&Recent files", "&Недавние файлы"},
}};

void SetCaption(const ComponentTable& components, QTabWidget& tabs, const char* component,
                const QString& text) {
    QObject* object = components.Find(component);
    if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(text);
        // As wide as the new text; the height stays the layout's.
        label->resize(label->sizeHint().width(), label->height());
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        action->setText(text);
    } else if (auto* page = qobject_cast<QWidget*>(object)) {
        // A tab page: its caption is the tab's text.
        tabs.setTabText(tabs.indexOf(page), text);
    }
}

}  // namespace

void ApplyCaptions(const ComponentTable& components, QTabWidget& tabs, bool english) {
    for (const CaptionRow& row : kCaptions) {
        const QString text = QString::fromUtf8(english ? row.english : row.russian);
        for (const char* component : row.components) {
            SetCaption(components, tabs, component, text);
        }
    }
}

QStringList UncaptionableNames(const ComponentTable& components) {
    QStringList missing;
    for (const CaptionRow& row : kCaptions) {
        for (const char* component : row.components) {
            if (!components.Contains(component)) {
                missing << component;
            }
        }
    }
    return missing;
}

}  // namespace kalvesta
