// The answer line: the plain answer and the tail volumes.
#include "ui/answer_line.h"

#include <QLabel>
#include <QStatusBar>

#include "analysis/balance_answer.h"
#include "analysis/tail_volume.h"
#include "model/number_format.h"
#include "ui/unit_choice.h"
#include "ui/window_language.h"
#include "views/answer_text.h"
#include "words/answer_words.h"

namespace kalvesta {

AnswerLine::AnswerLine(QStatusBar& bar, const Workbench& bench, const WindowLanguage& language,
                       const UnitChoice& units)
    : QObject(&bar), bench_(bench), language_(language), units_(units) {
    label_ = new QLabel(&bar);
    label_->setObjectName("AnswerLine");
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bar.addWidget(label_, 1);
    connect(&language, &WindowLanguage::Changed, this, &AnswerLine::Show);
    connect(&units, &UnitChoice::Changed, this, &AnswerLine::Show);
}

void AnswerLine::Show() {
    const Aircraft& aircraft = bench_.aircraft();
    if (!aircraft.results_valid) {
        label_->clear();
        return;
    }
    const Catalogue& texts = language_.texts();
    const Results& results = bench_.analysis().results;
    // With a fuselage described, the recommendation comes from its neutral point.
    const BalanceAnswer answer =
        PlainBalanceAnswer(aircraft, bench_.recommendation(), bench_.design().margin().manual);
    QStringList lines{QString::fromStdString(PlainAnswerText(answer, units_.length(), texts))};
    for (int wing = 2; wing <= kMaxWings; ++wing) {
        if (const std::optional<double> volume = TailVolume(results, wing)) {
            lines << QText(texts, TextId::kAnswerTailVolume,
                           {{"wing", std::to_string(wing)},
                            {"volume", FormatFixed(*volume, 2)},
                            {"note", TailVolumeNote(texts, *volume)}});
        }
    }
    label_->setText(lines.join("   "));
}

}  // namespace kalvesta
