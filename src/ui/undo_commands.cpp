// Undo and redo of the design's steps.
#include "ui/undo_commands.h"

#include <QAction>
#include <QWidget>
#include <string>

#include "ui/main_menus.h"
#include "ui/window_language.h"

namespace kalvesta {
namespace {

std::string WingBoxCaption(int box, const Catalogue& texts) {
    if (box == kRootOffsetBox) {
        return texts.Text(TextId::kUndoRootOffset);
    }
    if (box == kRootChordBox) {
        return texts.Text(TextId::kUndoRootChord);
    }
    const int trapezoid = (box + 1) / 3;
    const std::string number = std::to_string(trapezoid);
    if (box == SpanBox(trapezoid)) {
        return texts.Text(TextId::kUndoSpan, {{"trapezoid", number}});
    }
    if (box == ChordBox(trapezoid)) {
        return texts.Text(TextId::kUndoChord, {{"station", number}});
    }
    return texts.Text(TextId::kUndoLeadingEdge, {{"station", number}});
}

// The step of the whole design, or the field of one wing.
std::string StepText(const StepName& step, const Catalogue& texts) {
    switch (step.kind) {
        case StepKind::kWingBox:
            return WingBoxCaption(step.field, texts);
        case StepKind::kTrapezoids:
            return texts.Text(TextId::kUndoTrapezoidCount);
        case StepKind::kWingCount:
            return texts.Text(TextId::kUndoWingCount);
        case StepKind::kPositionX:
            return texts.Text(TextId::kUndoPositionX);
        case StepKind::kPositionZ:
            return texts.Text(TextId::kUndoHeightZ);
        case StepKind::kMarginChoice:
            return texts.Text(TextId::kUndoMarginChoice);
        case StepKind::kMarginText:
            return texts.Text(TextId::kUndoMarginText);
        case StepKind::kPartsEdit:
            return texts.Text(TextId::kUndoPartRow, {{"row", std::to_string(step.row + 1)}});
        case StepKind::kPartsAdd:
            return texts.Text(TextId::kUndoAddRow);
        case StepKind::kPartsDelete:
            return texts.Text(TextId::kUndoDeleteRows);
        case StepKind::kPartsPaste:
            return texts.Text(TextId::kUndoPaste);
        case StepKind::kFuselage:
            return texts.Text(TextId::kUndoFuselage);
    }
    return {};
}

bool OfAWing(StepKind kind) {
    return kind == StepKind::kWingBox || kind == StepKind::kTrapezoids ||
           kind == StepKind::kPositionX || kind == StepKind::kPositionZ;
}

}  // namespace

QString StepCaption(const StepName& step, const Catalogue& texts) {
    const std::string text = StepText(step, texts);
    return QText(texts, OfAWing(step.kind) ? TextId::kUndoOfWing : TextId::kVerbatim,
                 {{"wing", std::to_string(step.wing)}, {"text", text}});
}

UndoCommands::UndoCommands(QWidget* window, MainMenus& menus, Design& design,
                           const WindowLanguage& language)
    : QObject(window), menus_(menus), design_(design), language_(language) {
    connect(menus.undo_item, &QAction::triggered, this, [this] { design_.Undo(); });
    connect(menus.redo_item, &QAction::triggered, this, [this] { design_.Redo(); });
    design.Listen([this](const DesignChange&) { ShowSteps(); });
    connect(&language, &WindowLanguage::Changed, this, &UndoCommands::ShowSteps);
    ShowSteps();
}

void UndoCommands::ShowSteps() {
    const Catalogue& texts = language_.texts();
    const auto show = [&texts](QAction* item, const std::optional<StepName>& step, TextId command) {
        item->setText(step ? QText(texts, TextId::kUndoNamed,
                                   {{"command", texts.Text(command)},
                                    {"step", StepCaption(*step, texts).toStdString()}})
                           : QText(texts, command));
        item->setEnabled(step.has_value());
    };
    show(menus_.undo_item, design_.UndoStep(), TextId::kUndoUndo);
    show(menus_.redo_item, design_.RedoStep(), TextId::kUndoRedo);
}

}  // namespace kalvesta
