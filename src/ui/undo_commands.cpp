// Undo and redo of the design's steps.
#include "ui/undo_commands.h"

#include <QAction>
#include <QWidget>

#include "ui/main_menus.h"
#include "ui/message_text.h"

namespace kalvesta {
namespace {

QString WingBoxCaption(int box, bool english) {
    if (box == kRootOffsetBox) {
        return InLanguage(english, "root offset", "отступ корня");
    }
    if (box == kRootChordBox) {
        return InLanguage(english, "root chord", "хорда корня");
    }
    const int trapezoid = (box + 1) / 3;
    if (box == SpanBox(trapezoid)) {
        return InLanguage(english, "span of trapezoid %1", "размах трапеции %1").arg(trapezoid);
    }
    if (box == ChordBox(trapezoid)) {
        return InLanguage(english, "chord at station %1", "хорда сечения %1").arg(trapezoid);
    }
    return InLanguage(english, "leading edge at station %1", "передняя кромка сечения %1")
        .arg(trapezoid);
}

}  // namespace

QString StepCaption(const StepName& step, bool english) {
    const QString wing = InLanguage(english, "Wing-%1 ", "Крыло -%1, ").arg(step.wing);
    switch (step.kind) {
        case StepKind::kWingBox:
            return wing + WingBoxCaption(step.field, english);
        case StepKind::kTrapezoids:
            return wing + InLanguage(english, "trapezoid count", "число трапеций");
        case StepKind::kWingCount:
            return InLanguage(english, "wing count", "число крыльев");
        case StepKind::kPositionX:
            return wing + InLanguage(english, "position x", "положение x");
        case StepKind::kPositionZ:
            return wing + InLanguage(english, "height z", "высота z");
        case StepKind::kMarginChoice:
            return InLanguage(english, "stability choice", "выбор стабильности");
        case StepKind::kMarginText:
            return InLanguage(english, "static margin", "запас устойчивости");
        case StepKind::kPartsEdit:
            return InLanguage(english, "part in row %1", "деталь в строке %1").arg(step.row + 1);
        case StepKind::kPartsAdd:
            return InLanguage(english, "add row", "добавление строки");
        case StepKind::kPartsDelete:
            return InLanguage(english, "delete rows", "удаление строк");
        case StepKind::kPartsPaste:
            return InLanguage(english, "paste", "вставка");
    }
    return {};
}

UndoCommands::UndoCommands(QWidget* window, MainMenus& menus, Design& design)
    : QObject(window), menus_(menus), design_(design) {
    connect(menus.undo_item, &QAction::triggered, this, [this] { design_.Undo(); });
    connect(menus.redo_item, &QAction::triggered, this, [this] { design_.Redo(); });
    design.Listen([this](const DesignChange&) { ShowSteps(); });
    ShowSteps();
}

void UndoCommands::ApplyLanguage(bool english) {
    english_ = english;
    ShowSteps();
}

void UndoCommands::ShowSteps() {
    const auto show = [this](QAction* item, const std::optional<StepName>& step,
                             const char* english, const char* russian) {
        QString caption = InLanguage(english_, english, russian);
        if (step) {
            caption =
                InLanguage(english_, "%1 %2", "%1: %2").arg(caption, StepCaption(*step, english_));
        }
        item->setText(caption);
        item->setEnabled(step.has_value());
    };
    show(menus_.undo_item, design_.UndoStep(), "&Undo", "&Отменить");
    show(menus_.redo_item, design_.RedoStep(), "&Redo", "&Повторить");
}

}  // namespace kalvesta
